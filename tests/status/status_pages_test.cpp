// The status pages on a simulated link: what each control shows after the sheet's ticks.

#include <gtest/gtest.h>

#include "status/status_sheet.h"
#include "support/program_fixture.h"

namespace zlx::status {
namespace {

using zlx::testing::ProgramFixture;

StatusSheet& sheetOf(ProgramFixture& f) {
    return *dynamic_cast<StatusSheet*>(f.desktop().find(f.context().mainWindow));
}

struct Shown {
    int control;
    std::string text;
};

TEST(StatusPagesTest, DefaultMachineCurrentStatusAndAdvanced) {
    auto f = ProgramFixture::defaultMachine();
    f.then([&] { f.driver().advanceBy(2000); }).then([&] {
        LinkStatusPage& page = sheetOf(f).linkStatusPage();
        const Shown page0[] = {
            {1179, "ZLX Office"},
            {1189, "Associated"},
            {1183, "Infrastructure"},
            {1185, "2.4 GHz 300 Mbps"},
            {1066, "6"},
            {1244, "none"},
            {1181, "AES"},
            {1082, "PEAP (EAP-MSCHAP V2)"},
            {1162, "192.168.10.57"},
            {1187, "Good"},
        };
        for (const Shown& s : page0) EXPECT_EQ(page.itemText(s.control), s.text) << s.control;
        EXPECT_FALSE(page.control(1191)->visible) << "the radio row hides while the radio is on";
        EXPECT_FALSE(page.control(1192)->visible);
        EXPECT_EQ(page.control(1206)->position, 60);
        const AdvancedStatusDialog& a = page.advancedDialog();
        const Shown advanced[] = {
            {1020, "ZLX-Office"}, {1025, "WPA2"},          {1058, "none"},
            {1210, "WMM"},        {1214, "Off"},           {1037, "00-1B-2C-3D-4E-5F"},
            {1041, "Off"},        {1044, "50 mW"},         {1011, "-51 dBm"},
            {1016, "01:23:47"},   {1053, "Short && Long"}, {1062, "130.0 Mbps"},
            {1086, "144.0 Mbps"}, {1070, "2.437 GHz"},     {1074, "US"},
            {1242, "none"},
        };
        for (const Shown& s : advanced) EXPECT_EQ(a.text(s.control), s.text) << s.control;
    });
    f.run();
}

// A machine whose counters sit at the edges; the statistics query fails from 3 s to 5 s.
const char* kEdgeCounters = R"({"wlan": {"interfaces": [{
    "guid": "3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c", "description": "Norvane ZLX",
    "state": "connected", "connection": {"ssid": "Net"},
    "driver": {"vendorDescription": "Norvane", "statistics": {"framesRetried": 99,
               "standardMicOk": 18446744073709551615}},
    "interfaceStatistics": {"unicastTransmitted": 4294967280, "multicastTransmitted": 32,
                            "phys": [{"retry": 5, "failed": 6}]},
    "dynamics": {"counterRates": {"unicastReceived": 1000},
                 "events": [{"atMs": 3000, "statisticsResult": 31},
                            {"atMs": 5000, "statisticsResult": 0}]}}]}})";

TEST(StatusPagesTest, DiagnosticsCountersAcrossAFailingStatisticsQuery) {
    ProgramFixture f(kEdgeCounters);
    DiagnosticsPage* page = nullptr;
    f.then([&] {
         sheetOf(f).setActivePage(2);
         page = &sheetOf(f).diagnosticsPage();
         f.driver().advanceBy(2000);
     })
        .then([&] {
            const Shown shown[] = {{1090, "4294967312"},
                                   {1123, "4294967312"},
                                   {1094, "5"},
                                   {1118, "5"},
                                   {1098, "6"},
                                   {1127, "2000"},
                                   {1141, "18446744073709551615"}};
            for (const Shown& s : shown) EXPECT_EQ(page->itemText(s.control), s.text) << s.control;
            EXPECT_EQ(page->counters()[33], 18446744073709551615ull);
            f.driver().advanceBy(2000);
        })
        .then([&] {
            EXPECT_EQ(page->itemText(1127), "none")
                << "a failed query shows none, never the last counters";
            f.driver().advanceBy(2000);
        })
        .then([&] { EXPECT_EQ(page->itemText(1127), "6000"); });
    f.run();
}

TEST(StatusPagesTest, RadioOffInHardwareGatesTheValues) {
    ProgramFixture f(R"({"wlan": {"interfaces": [{
        "guid": "3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c", "description": "Norvane ZLX",
        "state": "connected", "connection": {"ssid": "Net", "securityEnabled": true},
        "radio": [{"software": "on", "hardware": "off"}],
        "driver": {"vendorDescription": "Norvane", "txRate": 54,
                   "linkStatus": {"rawQuality": 90, "upTimeMs": 1000}}}]}})");
    f.then([&] { f.driver().advanceBy(2000); }).then([&] {
        LinkStatusPage& page = sheetOf(f).linkStatusPage();
        EXPECT_EQ(page.itemText(1192), "Hardware Disabled");
        EXPECT_TRUE(page.control(1191)->visible);
        EXPECT_TRUE(page.control(1192)->visible);
        EXPECT_EQ(page.itemText(1187), "none");
        EXPECT_EQ(page.control(1206)->position, 0);
        for (int id : {1020, 1086, 1016, 1070, 1037})
            EXPECT_EQ(page.advancedDialog().text(id), "none") << id;
    });
    f.run();
}

// A power text is the last answer's, never an earlier one kept on screen.
TEST(StatusPagesTest, PowerTextsFollowTheLastAnswer) {
    auto f = ProgramFixture::defaultMachine();
    const platform::Guid adapter = f.machine().scenario().wlan.interfaces.front().guid;
    auto advanced = [&](int id) { return sheetOf(f).linkStatusPage().advancedDialog().text(id); };
    f.then([&] {
         f.machine().updateInterface(
             adapter, [](sim::InterfaceScenario& i) { i.driver.powerSaveLevel = 16; });
         f.driver().advanceBy(2000);
     })
        .then([&] {
            EXPECT_EQ(advanced(1041), "Maximum");
            EXPECT_EQ(advanced(1044), "50 mW");
            f.machine().updateInterface(adapter, [](sim::InterfaceScenario& i) {
                i.driver.txPower = 28;
                i.driver.unsupportedCodes.push_back(0x0E01017B);
            });
            f.driver().advanceBy(2000);
        })
        .then([&] {
            EXPECT_EQ(advanced(1041), "none") << "power save was not answered";
            EXPECT_EQ(advanced(1044), "25 mW");
            f.machine().updateInterface(adapter,
                                        [](sim::InterfaceScenario& i) { i.driver.txPower = 41; });
            f.driver().advanceBy(2000);
        })
        .then([&] {
            EXPECT_EQ(advanced(1044), "none") << "a level without words is not the last one";
            f.machine().updateInterface(adapter,
                                        [](sim::InterfaceScenario& i) { i.driver.txPower = 40; });
            f.driver().advanceBy(2000);
        })
        .then([&] { EXPECT_EQ(advanced(1044), "100 mW"); });
    f.run();
}

}  // namespace
}  // namespace zlx::status
