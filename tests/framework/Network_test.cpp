#include "framework/Network.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace {

struct InterfaceCase {
  const char* name;
  std::vector<NetworkInterfaceState> interfaces;
  bool connected;
};

class NetworkTest : public ::testing::TestWithParam<InterfaceCase> {};

TEST_P(NetworkTest, AConnectionNeedsAnInterfaceUpWithAnAddressBeyondItsLink) {
  EXPECT_EQ(AnyConnectedInterface(GetParam().interfaces), GetParam().connected);
}

const NetworkInterfaceState kLoopback{"lo", true, true, {"127.0.0.1", "::1"}};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Interfaces, NetworkTest, ::testing::Values(
    InterfaceCase{"NoInterface",          {},                                                          false},
    InterfaceCase{"OnlyTheLoopback",      {kLoopback},                                                 false},
    InterfaceCase{"DownWithAnAddress",    {kLoopback, {"eth0", false, false, {"192.168.1.20"}}},       false},
    InterfaceCase{"UpWithoutAnAddress",   {kLoopback, {"eth0", true, false, {}}},                      false},
    InterfaceCase{"UpLinkLocalOnly",      {kLoopback, {"eth0", true, false, {"fe80::1%eth0", "169.254.7.1"}}}, false},
    InterfaceCase{"AnUnreadableAddress",  {{"eth0", true, false, {"not an address"}}},                 false},
    InterfaceCase{"UpWithAnIPv4Address",  {kLoopback, {"eth0", true, false, {"fe80::1%eth0", "192.168.1.20"}}}, true},
    InterfaceCase{"UpWithAGlobalIPv6",    {{"wlan0", true, false, {"2001:db8::5"}}},                   true},
    // The ends of the link-local and loopback ranges, and an IPv4 address written as IPv6.
    InterfaceCase{"UpWithTheLastLinkLocalIPv6", {{"eth0", true, false, {"febf::1"}}},                  false},
    InterfaceCase{"UpWithTheFirstIPv6PastLinkLocal", {{"eth0", true, false, {"fec0::1"}}},             true},
    InterfaceCase{"UpWithALoopbackAddressOnly", {{"eth0", true, false, {"127.9.9.9"}}},                false},
    InterfaceCase{"UpWithTheLastLinkLocalIPv4", {{"eth0", true, false, {"169.254.255.255"}}},          false},
    InterfaceCase{"UpWithTheFirstIPv4PastLinkLocal", {{"eth0", true, false, {"169.255.0.1"}}},         true},
    InterfaceCase{"UpWithAMappedLinkLocalIPv4", {{"eth0", true, false, {"::ffff:169.254.7.1"}}},       false},
    InterfaceCase{"UpWithAMappedIPv4",    {{"eth0", true, false, {"::ffff:192.168.1.20"}}},            true}),
    [](const ::testing::TestParamInfo<InterfaceCase>& info) { return TestNameOf(info.param.name); });
// clang-format on

}  // namespace
