#include "framework/Network.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <QDesktopServices>
#include <QString>
#include <QUrl>
#include <algorithm>
#include <array>
#include <cstdint>

namespace {

NetworkInterfaceListFunction& InterfacesForTesting() {
  static NetworkInterfaceListFunction interfaces;
  return interfaces;
}

BrowserFunction& BrowserForTesting() {
  static BrowserFunction browser;
  return browser;
}

// An address of the interface as text; empty for an entry that is no internet address (the
// interface's link-layer entry).
std::string AddressText(const sockaddr* address) {
  if (address == nullptr) return {};
  std::array<char, INET6_ADDRSTRLEN> text{};
  const void* bytes = nullptr;
  if (address->sa_family == AF_INET) {
    bytes = &reinterpret_cast<const sockaddr_in*>(address)->sin_addr;
  } else if (address->sa_family == AF_INET6) {
    bytes = &reinterpret_cast<const sockaddr_in6*>(address)->sin6_addr;
  } else {
    return {};
  }
  if (inet_ntop(address->sa_family, bytes, text.data(), text.size()) == nullptr) return {};
  return text.data();
}

// The machine's interfaces as the system lists them, each once with all its addresses.
std::vector<NetworkInterfaceState> MachineInterfaces() {
  std::vector<NetworkInterfaceState> states;
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return states;
  for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
    const std::string name = entry->ifa_name != nullptr ? entry->ifa_name : "";
    auto state = std::ranges::find(states, name, &NetworkInterfaceState::name);
    if (state == states.end()) {
      NetworkInterfaceState added;
      added.name = name;
      added.up = (entry->ifa_flags & IFF_UP) != 0;
      added.loopback = (entry->ifa_flags & IFF_LOOPBACK) != 0;
      states.push_back(std::move(added));
      state = states.end() - 1;
    }
    if (std::string text = AddressText(entry->ifa_addr); !text.empty())
      state->addresses.push_back(std::move(text));
  }
  freeifaddrs(list);
  return states;
}

bool IPv4ReachesBeyondTheLink(const in_addr& address) {
  const std::uint32_t value = ntohl(address.s_addr);
  const bool loopback = (value >> 24) == 127;      // 127.0.0.0/8
  const bool linkLocal = (value >> 16) == 0xA9FE;  // 169.254.0.0/16
  return !loopback && !linkLocal;
}

bool IPv6ReachesBeyondTheLink(const in6_addr& address) {
  if (IN6_IS_ADDR_V4MAPPED(&address)) {
    in_addr mapped{};
    std::copy_n(address.s6_addr + 12, 4, reinterpret_cast<unsigned char*>(&mapped.s_addr));
    return IPv4ReachesBeyondTheLink(mapped);
  }
  return !IN6_IS_ADDR_LOOPBACK(&address) && !IN6_IS_ADDR_LINKLOCAL(&address);
}

// An address given as text, with or without the "%" and zone of a link-local address; one that
// cannot be read reaches nowhere.
bool ReachesBeyondTheLink(const std::string& text) {
  const std::string address = text.substr(0, text.find('%'));
  in_addr ipv4{};
  if (inet_pton(AF_INET, address.c_str(), &ipv4) == 1) return IPv4ReachesBeyondTheLink(ipv4);
  in6_addr ipv6{};
  if (inet_pton(AF_INET6, address.c_str(), &ipv6) == 1) return IPv6ReachesBeyondTheLink(ipv6);
  return false;
}

bool IsConnected(const NetworkInterfaceState& interface) {
  return interface.up && !interface.loopback &&
         std::ranges::any_of(interface.addresses, ReachesBeyondTheLink);
}

}  // namespace

bool AnyConnectedInterface(const std::vector<NetworkInterfaceState>& interfaces) {
  return std::ranges::any_of(interfaces, IsConnected);
}

bool NetworkConnectionAvailable() {
  const NetworkInterfaceListFunction& interfaces = InterfacesForTesting();
  return AnyConnectedInterface(interfaces ? interfaces() : MachineInterfaces());
}

bool ShowURL(const std::string& url) {
  if (const BrowserFunction& browser = BrowserForTesting()) return browser(url);
  return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

void SetNetworkInterfacesForTesting(NetworkInterfaceListFunction interfaces) {
  InterfacesForTesting() = std::move(interfaces);
}

void SetBrowserForTesting(BrowserFunction browser) { BrowserForTesting() = std::move(browser); }
