#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "sim/sim_machine.h"
#include "test_support.h"

namespace zlx::sim {
namespace {

std::vector<std::string> shippedScenarios() {
    std::vector<std::string> paths;
    for (const auto& entry : std::filesystem::directory_iterator(SIM_SCENARIO_DIR)) {
        if (entry.path().extension() == ".json") paths.push_back(entry.path().string());
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

Scenario load(const std::string& name) {
    return loadScenarioFile(std::string(SIM_SCENARIO_DIR) + "/" + name);
}

TEST(ShippedScenarios, EveryFileLoadsAndRunsAMachine) {
    auto paths = shippedScenarios();
    ASSERT_GE(paths.size(), 8u);
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        Scenario s;
        ASSERT_NO_THROW(s = loadScenarioFile(path));
        EXPECT_FALSE(s.description.empty());
        ManualClock clock(s.machine.localTimeStart);
        SimMachine machine(s, clock);
    }
}

TEST(ShippedScenarios, TheBuiltInDefaultIsScenariosDefaultJson) {
    std::ifstream in(std::string(SIM_SCENARIO_DIR) + "/default.json", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_EQ(defaultScenarioText(), text.str());
    EXPECT_NO_THROW(loadDefaultScenario());
}

TEST(ShippedScenarios, DefaultIsTheVendorAdapterConnectedThroughAZlxProfile) {
    Scenario s = loadDefaultScenario();
    ASSERT_EQ(s.wlan.interfaces.size(), 1u);
    const InterfaceScenario& i = s.wlan.interfaces[0];
    EXPECT_THAT(i.description, ::testing::HasSubstr("Norvane"));
    EXPECT_THAT(i.driver.vendorDescription, ::testing::HasSubstr("Norvane"));
    EXPECT_EQ(i.state, kWlanStateConnected);
    ASSERT_TRUE(i.connection);
    EXPECT_EQ(i.connection->attributes.profileName, "ZLX Office");
    EXPECT_THAT(i.profiles.at(0).xml, ::testing::HasSubstr("<connectivity><ZLX>"));

    ManualClock clock(s.machine.localTimeStart);
    SimMachine machine(s, clock);
    RegKey key = kNoRegKey;
    ASSERT_EQ(
        machine.registry().openKey(kHkeyLocalMachine, "Software\\Norvane\\Pelorn", kKeyRead, key),
        kErrorSuccess);
    FindData data;
    EXPECT_EQ(machine.files().findFile("C:\\Program Files\\Norvane\\Help", data), kErrorSuccess);
    EXPECT_TRUE(
        machine.help().displayTopic(0, "C:\\Program Files\\Norvane\\help\\en-US\\PelornHelp.chm"));
}

TEST(FormatDocument, ItsExampleIsAValidScenario) {
    std::ifstream in(SIM_FORMAT_DOC);
    std::ostringstream text;
    text << in.rdbuf();
    std::string doc = text.str();
    auto start = doc.find("```json\n");
    ASSERT_NE(start, std::string::npos);
    start += 8;
    auto end = doc.find("```", start);
    Scenario s;
    ASSERT_NO_THROW(s = parseScenario(doc.substr(start, end - start), "example"));
    EXPECT_EQ(s.wlan.interfaces.at(0).ihvService.onEnter.size(), 4u);
}

TEST(ShippedScenarios, NoAdapterHasNoInterfaces) {
    EXPECT_TRUE(load("no-adapter.json").wlan.interfaces.empty());
}

TEST(ShippedScenarios, ThreeAdaptersWithTheVendorsSecond) {
    Scenario s = load("three-adapters.json");
    ASSERT_EQ(s.wlan.interfaces.size(), 3u);
    EXPECT_THAT(s.wlan.interfaces[1].description, ::testing::HasSubstr("Norvane"));
    EXPECT_TRUE(s.wlan.interfaces[0].driver.refuseAll);
}

TEST(ShippedScenarios, NoHelpHasNoHelpFolder) {
    Scenario s = load("no-help.json");
    ManualClock clock;
    SimMachine machine(s, clock);
    FindData data;
    EXPECT_NE(machine.files().findFile("C:\\Program Files\\Norvane\\Help", data), kErrorSuccess);
}

TEST(ShippedScenarios, IhvScriptsOfTheRunScenarios) {
    auto firstEvent = [](const Scenario& s) {
        const auto& script = s.wlan.interfaces.at(0).ihvService.onEnter;
        return script.empty() ? 0u : loadLe<std::uint32_t>(script[0].payload, 0);
    };
    EXPECT_EQ(firstEvent(load("never-connects.json")), 0u);
    EXPECT_EQ(firstEvent(load("connect-fails.json")), 0x80000001u);
    EXPECT_EQ(firstEvent(load("profile-not-found.json")), 0x80000003u);
    EXPECT_EQ(firstEvent(loadDefaultScenario()), 0x80000000u);
}

TEST(ShippedScenarios, DriverUnknownRequestsRefusesSomeCodes) {
    DriverScenario d = load("driver-unknown-requests.json").wlan.interfaces.at(0).driver;
    EXPECT_EQ(d.unsupportedCodes.size(), 3u);
    ASSERT_FALSE(d.overrides.empty());
    EXPECT_EQ(d.overrides[0].bytesReturned, 32u);
    EXPECT_NE(d.overrides[0].result, kErrorSuccess);
}

}  // namespace
}  // namespace zlx::sim
