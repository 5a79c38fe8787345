#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/sim/sim_machine.h"
#include "test_support.h"

namespace zlx::platform::sim {
namespace {

using testing::guidOf;
using testing::scenarioFrom;

TEST(SimSystemInfo, DefaultsDescribeA64BitWindows7) {
    ManualClock clock;
    SimMachine machine(scenarioFrom("{}"), clock);
    SystemInfo& system = machine.system();
    OsVersionInfo info;
    ASSERT_TRUE(system.versionEx(info));
    EXPECT_EQ(info.major, 6u);
    EXPECT_EQ(info.minor, 1u);
    EXPECT_EQ(info.servicePackMajor, 1);
    EXPECT_EQ(system.processorArchitecture(), kProcessorArchitectureAmd64);
    EXPECT_EQ(system.defaultLangId(), 0x0409);
}

TEST(SimSystemInfo, VersionRecordsFromTheScenario) {
    ManualClock clock;
    SimMachine machine(scenarioFrom(R"({"machine": {"osVersion": {
        "major": 5, "minor": 2, "build": 3790, "servicePack": "Service Pack 2",
        "servicePackMajor": 2, "productType": 1, "suiteMask": 0}}})"),
                       clock);
    OsVersionInfo info;
    ASSERT_TRUE(machine.system().versionEx(info));
    EXPECT_EQ(info.build, 3790u);
    EXPECT_EQ(info.servicePack, "Service Pack 2");
    EXPECT_EQ(info.productType, 1);
    // The basic record has no room for the service pack numbers or the product type.
    ASSERT_TRUE(machine.system().versionBasic(info));
    EXPECT_EQ(info.major, 5u);
    EXPECT_EQ(info.minor, 2u);
    EXPECT_EQ(info.servicePackMajor, 0);
    EXPECT_EQ(info.productType, 0);
}

TEST(SimSystemInfo, EitherVersionCallMayFail) {
    ManualClock clock;
    SimMachine machine(scenarioFrom(R"({"machine": {"osVersion": {
        "extendedFails": true, "basicFails": true}}})"),
                       clock);
    OsVersionInfo info;
    EXPECT_FALSE(machine.system().versionEx(info));
    EXPECT_FALSE(machine.system().versionBasic(info));
    EXPECT_THAT(machine.calls().all(),
                ::testing::ElementsAre("GetVersionEx(extended) -> 0", "GetVersionEx(basic) -> 0"));
}

TEST(SimSystemInfo, ComputerNamesAndLanguage) {
    ManualClock clock;
    SimMachine machine(scenarioFrom(R"({"machine": {"languageId": "0x0C0A",
        "processorArchitecture": 0, "computerName": {"netBios": "LAB-07", "dns": "lab-07"}}})"),
                       clock);
    std::string name;
    EXPECT_TRUE(machine.system().computerName(kComputerNameNetBios, name));
    EXPECT_EQ(name, "LAB-07");
    EXPECT_TRUE(machine.system().computerName(kComputerNameDnsHostname, name));
    EXPECT_EQ(name, "lab-07");
    EXPECT_FALSE(machine.system().computerName(7, name));
    EXPECT_EQ(machine.system().defaultLangId(), 0x0C0A);
    EXPECT_EQ(machine.system().processorArchitecture(), kProcessorArchitectureIntel);
}

TEST(SimRpc, GuidTextFailsOnlyForTheMarkedInterface) {
    ManualClock clock;
    SimMachine machine(scenarioFrom(R"({"wlan": {"interfaces": [
        {"guid": "3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c", "guidTextFails": true},
        {"guid": "9d41c0b2-5e77-4a1f-8c3d-6b2e1f0a9e47"}]}})"),
                       clock);
    std::string text = "unchanged";
    EXPECT_EQ(machine.rpc().uuidToString(guidOf("3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c"), text),
              kErrorNotEnoughMemory);
    EXPECT_EQ(text, "unchanged");
    EXPECT_EQ(machine.rpc().uuidToString(guidOf("9D41C0B2-5E77-4A1F-8C3D-6B2E1F0A9E47"), text),
              kErrorSuccess);
    EXPECT_EQ(text, "9d41c0b2-5e77-4a1f-8c3d-6b2e1f0a9e47");
}

TEST(SimRpc, UuidFromStringRefusesBadText) {
    ManualClock clock;
    SimMachine machine(scenarioFrom("{}"), clock);
    Guid guid;
    EXPECT_EQ(machine.rpc().uuidFromString("{9d41c0b2-5e77-4a1f-8c3d-6b2e1f0a9e47}", guid),
              kRpcSInvalidStringUuid);
    EXPECT_EQ(machine.rpc().uuidFromString("9d41c0b2-5e77-4a1f-8c3d-6b2e1f0a9e47", guid),
              kErrorSuccess);
    EXPECT_EQ(guid, guidOf("9d41c0b2-5e77-4a1f-8c3d-6b2e1f0a9e47"));
}

TEST(SimCodePages, AreUtf8WithReplacementForInvalidBytes) {
    SimCodePages pages;
    EXPECT_EQ(pages.ansiToUtf8("caf\xC3\xA9"), "caf\xC3\xA9");
    EXPECT_EQ(pages.oemToUtf8("Ping \x81"), "Ping \xEF\xBF\xBD");
    EXPECT_EQ(pages.utf8ToAnsi("\xFF"
                               "a"),
              "\xEF\xBF\xBD"
              "a");
}

}  // namespace
}  // namespace zlx::platform::sim
