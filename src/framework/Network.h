#pragma once

#include <functional>
#include <string>
#include <vector>

// A network interface as the network test sees it.
struct NetworkInterfaceState {
  std::string name;
  bool up = false;
  bool loopback = false;
  // Its addresses as text ("192.168.1.20", "fe80::1").
  std::vector<std::string> addresses;
};

// Whether the machine has a network connection: some interface that is up and is not the
// loopback has an address other than a link-local one (a link-local address is all an interface
// gets without a network to join).
bool NetworkConnectionAvailable();
// The same test on a given list of interfaces.
bool AnyConnectedInterface(const std::vector<NetworkInterfaceState>& interfaces);

// Opens the address in the person's default web browser; false when no browser could be started.
bool ShowURL(const std::string& url);

// Test seams: the interfaces the network test sees and the browser the addresses go to, in place
// of the machine's own. An empty function puts the machine's back.
using NetworkInterfaceListFunction = std::function<std::vector<NetworkInterfaceState>()>;
void SetNetworkInterfacesForTesting(NetworkInterfaceListFunction interfaces);
using BrowserFunction = std::function<bool(const std::string& url)>;
void SetBrowserForTesting(BrowserFunction browser);
