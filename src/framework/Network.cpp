#include "framework/Network.h"

#include <QDesktopServices>
#include <QHostAddress>
#include <QNetworkInterface>
#include <QString>
#include <QUrl>
#include <algorithm>

namespace {

NetworkInterfaceListFunction& InterfacesForTesting() {
  static NetworkInterfaceListFunction interfaces;
  return interfaces;
}

BrowserFunction& BrowserForTesting() {
  static BrowserFunction browser;
  return browser;
}

std::vector<NetworkInterfaceState> MachineInterfaces() {
  std::vector<NetworkInterfaceState> states;
  for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
    NetworkInterfaceState state;
    state.name = interface.name().toStdString();
    state.up = interface.flags().testFlag(QNetworkInterface::IsUp);
    state.loopback = interface.flags().testFlag(QNetworkInterface::IsLoopBack);
    for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
      state.addresses.push_back(entry.ip().toString().toStdString());
    }
    states.push_back(std::move(state));
  }
  return states;
}

bool ReachesBeyondTheLink(const std::string& text) {
  const QHostAddress address(QString::fromStdString(text));
  return !address.isNull() && !address.isLoopback() && !address.isLinkLocal();
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
