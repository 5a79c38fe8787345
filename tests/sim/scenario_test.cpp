#include <gtest/gtest.h>

#include "test_support.h"

namespace zlx::sim {
namespace {

using testing::guidOf;
using testing::scenarioFrom;

TEST(Scenario, EmptyObjectIsAMachineWithoutWirelessInterfaces) {
    Scenario s = scenarioFrom("{}");
    EXPECT_TRUE(s.wlan.interfaces.empty());
    EXPECT_EQ(s.wlan.openResult, kErrorSuccess);
    EXPECT_EQ(s.wlan.negotiatedVersion, 2u);
    EXPECT_EQ(s.machine.languageId, 0x0409);
    EXPECT_EQ(s.folders.programFiles, "C:\\Program Files");
    EXPECT_TRUE(s.registry.empty());
    EXPECT_TRUE(s.files.empty());
    EXPECT_EQ(s.name, "test.json");
}

TEST(Scenario, CommentsAreAllowed) {
    Scenario s = scenarioFrom(R"({
        // The language of a German installation.
        "machine": {"languageId": 1031 /* 0x0407 */}
    })");
    EXPECT_EQ(s.machine.languageId, 0x0407);
}

TEST(Scenario, HexStringsAndNumbersMeanTheSame) {
    Scenario hex = scenarioFrom(R"({"wlan": {"openResult": "0x426"}})");
    Scenario dec = scenarioFrom(R"({"wlan": {"openResult": 1062}})");
    EXPECT_EQ(hex.wlan.openResult, 1062u);
    EXPECT_EQ(dec.wlan.openResult, 1062u);
}

TEST(Scenario, LocalTimeStartIsExposedForTheClock) {
    Scenario s = scenarioFrom(R"({"machine": {"localTimeStart": "2025-11-03 08:15:42"}})");
    EXPECT_EQ(s.machine.localTimeStart.tm_year, 125);
    EXPECT_EQ(s.machine.localTimeStart.tm_mon, 10);
    EXPECT_EQ(s.machine.localTimeStart.tm_mday, 3);
    EXPECT_EQ(s.machine.localTimeStart.tm_hour, 8);
    EXPECT_EQ(s.machine.localTimeStart.tm_min, 15);
    EXPECT_EQ(s.machine.localTimeStart.tm_sec, 42);
    ManualClock clock(s.machine.localTimeStart);
    EXPECT_EQ(clock.localTime().tm_hour, 8);
}

struct StateCase {
    const char* json;
    std::uint32_t state;
};

class InterfaceStateTest : public ::testing::TestWithParam<StateCase> {};

TEST_P(InterfaceStateTest, ByNameByNumberOrFromTheConnection) {
    Scenario s = scenarioFrom(std::string(R"({"wlan": {"interfaces": [{"guid":
        "3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c")") +
                              GetParam().json + "}]}}");
    EXPECT_EQ(s.wlan.interfaces.at(0).state, GetParam().state);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, InterfaceStateTest,
    ::testing::Values(
        StateCase{"", kWlanStateDisconnected},
        StateCase{R"(, "connection": {})", kWlanStateConnected},
        StateCase{R"(, "connection": null)", kWlanStateDisconnected},
        StateCase{R"(, "connection": {}, "state": "associating")", kWlanStateAssociating},
        StateCase{R"(, "state": "not_ready")", kWlanStateNotReady},
        StateCase{R"(, "state": "ad_hoc_network_formed")", kWlanStateAdHocNetworkFormed},
        StateCase{R"(, "state": "discovering")", kWlanStateDiscovering},
        StateCase{R"(, "state": 3)", kWlanStateDisconnecting}));

TEST(Scenario, InterfaceDefaults) {
    Scenario s = scenarioFrom(R"({"wlan": {"interfaces": [{"guid":
        "3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c"}]}})");
    const InterfaceScenario& i = s.wlan.interfaces.at(0);
    EXPECT_EQ(i.guid, guidOf("3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c"));
    EXPECT_FALSE(i.connection);
    EXPECT_EQ(i.radio, std::vector<WlanPhyRadioState>{WlanPhyRadioState{}})
        << "one PHY, on in software and hardware";
    EXPECT_FALSE(i.driver.refuseAll);
    EXPECT_TRUE(i.driver.vendorDescription.empty());
    EXPECT_TRUE(i.ihvService.onEnter.empty());
}

TEST(Scenario, ConnectionNamesForWindowsEnumerations) {
    Scenario s = scenarioFrom(R"({"wlan": {"interfaces": [{"guid":
        "3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c", "connection": {
        "mode": "discovery_unsecure", "bssType": "independent", "phyType": "erp",
        "authAlgorithm": "wpa_psk", "cipherAlgorithm": "wep", "securityEnabled": 1,
        "bssid": "aa:bb:cc:dd:ee:ff"}}]}})");
    const WlanConnectionAttributes& a = s.wlan.interfaces.at(0).connection->attributes;
    EXPECT_EQ(a.connectionMode, 3u);
    EXPECT_EQ(a.association.bssType, 2u);
    EXPECT_EQ(a.association.phyType, 6u);
    EXPECT_EQ(a.authAlgorithm, 4u);
    EXPECT_EQ(a.cipherAlgorithm, 0x101u);
    EXPECT_EQ(a.securityEnabled, 1u);
    EXPECT_EQ(a.association.bssid,
              (std::array<std::uint8_t, 6>{0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF}));
}

TEST(Scenario, IhvEventsBecomeNotificationPayloads) {
    Scenario s = scenarioFrom(R"({"wlan": {"interfaces": [{"guid":
        "3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c", "ihvService": {"onEnter": [
        {"delayMs": 250, "event": "0x80000001", "second": "0x10"},
        {"payload": "01 02 03"}]}}]}})");
    const auto& script = s.wlan.interfaces.at(0).ihvService.onEnter;
    ASSERT_EQ(script.size(), 2u);
    EXPECT_EQ(script[0].delayMs, 250);
    EXPECT_EQ(script[0].payload, (std::vector<std::uint8_t>{0x01, 0, 0, 0x80, 0x10, 0, 0, 0}));
    EXPECT_FALSE(script[0].raw);
    EXPECT_EQ(script[1].delayMs, 0);
    EXPECT_EQ(script[1].payload, (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_TRUE(script[1].raw);
}

TEST(Scenario, RegistryPathsDropTheRoot) {
    Scenario s = scenarioFrom(R"({"registry": [
        {"key": "HKLM\\Software\\A"}, {"key": "hkey_local_machine\\Software\\B"}]})");
    ASSERT_EQ(s.registry.size(), 2u);
    EXPECT_EQ(s.registry[0].path, "Software\\A");
    EXPECT_EQ(s.registry[1].path, "Software\\B");
}

}  // namespace
}  // namespace zlx::sim
