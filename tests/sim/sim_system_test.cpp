#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "sim/sim_machine.h"
#include "test_support.h"

namespace zlx::sim {
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

TEST(SimCodePages, Utf8ByDefaultOrTheScenariosSingleBytePages) {
    struct Case {
        std::uint32_t page;
        std::string bytes;  // in the page
        std::string text;   // UTF-8
        std::string back;   // the text converted into the page again
    };
    const Case cases[] = {
        {kCodePageUtf8, "caf\xC3\xA9", "caf\xC3\xA9", "caf\xC3\xA9"},
        {kCodePageUtf8, "Ping \x81", "Ping \xEF\xBF\xBD", "Ping \xEF\xBF\xBD"},
        {1252, "caf\xE9 \x80", "caf\xC3\xA9 \xE2\x82\xAC", "caf\xE9 \x80"},
        {1252, "\x81", "\xC2\x81", "\x81"},  // undefined: the control of the same value
        {437, "caf\x82 \xE1", "caf\xC3\xA9 \xC3\x9F", "caf\x82 \xE1"},
        {850, "\x9B\xD5", "\xC3\xB8\xC4\xB1", "\x9B\xD5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        SimCodePages pages(c.page, c.page);
        EXPECT_EQ(pages.ansiToUtf8(c.bytes), c.text);
        EXPECT_EQ(pages.oemToUtf8(c.bytes), c.text);
        EXPECT_EQ(pages.utf8ToAnsi(c.text), c.back);
    }
    // A character the page lacks becomes its default character.
    EXPECT_EQ(SimCodePages(1252, 437).utf8ToAnsi("\xCE\xA9 x"), "? x");
    // The machine's pages come from its scenario.
    ManualClock clock;
    SimMachine machine(scenarioFrom(R"({"machine": {"ansiCodePage": 1252, "oemCodePage": 437}})"),
                       clock);
    EXPECT_EQ(machine.codePages().ansiToUtf8("\xE9"), "\xC3\xA9");
    EXPECT_EQ(machine.codePages().oemToUtf8("\xE9"), "\xCE\x98");
}

}  // namespace
}  // namespace zlx::sim
