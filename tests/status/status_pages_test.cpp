// The status pages on a simulated link: what each control shows after the sheet's ticks.

#include <gtest/gtest.h>

#include "resources/resource_ids.h"
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
            {resources::kIdcProfileName, "ZLX Office"},
            {resources::kIdcLinkStatus, "Associated"},
            {resources::kIdcNetworkType, "Infrastructure"},
            {resources::kIdcWirelessMode, "2.4 GHz 300 Mbps"},
            {resources::kIdcChannel, "6"},
            {resources::kIdcExtensionChannel, "none"},
            {resources::kIdcDataEncryption, "AES"},
            {resources::kIdcServerAuthentication, "PEAP (EAP-MSCHAP V2)"},
            {resources::kIdcIpAddress, "192.168.10.57"},
            {resources::kIdcSignalWord, "Good"},
        };
        for (const Shown& s : page0) EXPECT_EQ(page.itemText(s.control), s.text) << s.control;
        EXPECT_FALSE(page.control(resources::kIdcRadioStatusLabel)->visible)
            << "the radio row hides while the radio is on";
        EXPECT_FALSE(page.control(resources::kIdcRadioStatus)->visible);
        EXPECT_EQ(page.control(resources::kIdcSignalBar)->position, 60);
        const AdvancedStatusDialog& a = page.advancedDialog();
        const Shown advanced[] = {
            {resources::kIdcSsid, "ZLX-Office"},
            {resources::kIdcAuthenticationType, "WPA2"},
            {resources::kIdcMic, "none"},
            {resources::kIdcQos, "WMM"},
            {resources::kIdcMfp, "Off"},
            {resources::kIdcApMacAddress, "00-1B-2C-3D-4E-5F"},
            {resources::kIdcPowerSaveMode, "Off"},
            {resources::kIdcCurrentPowerLevel, "50 mW"},
            {resources::kIdcSignalStrength, "-51 dBm"},
            {resources::kIdcUpTime, "01:23:47"},
            {resources::kIdcPreamble, "Short && Long"},
            {resources::kIdcReceiveRate, "130.0 Mbps"},
            {resources::kIdcTransmitRate, "144.0 Mbps"},
            {resources::kIdcFrequency, "2.437 GHz"},
            {resources::kIdcChannelSet, "US"},
            {resources::kIdcChannelWidth, "none"},
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
            const Shown shown[] = {{resources::kIdcFramesTransmittedOk, "4294967312"},
                                   {resources::kIdcAckFrames, "4294967312"},
                                   {resources::kIdcFramesRetried, "5"},
                                   {resources::kIdcRetriedDataFrames, "5"},
                                   {resources::kIdcFramesDropped, "6"},
                                   {resources::kIdcFramesReceivedOk, "2000"},
                                   {resources::kIdcStandardMicOk, "18446744073709551615"}};
            for (const Shown& s : shown) EXPECT_EQ(page->itemText(s.control), s.text) << s.control;
            EXPECT_EQ(page->counters()[33], 18446744073709551615ull);
            f.driver().advanceBy(2000);
        })
        .then([&] {
            EXPECT_EQ(page->itemText(resources::kIdcFramesReceivedOk), "none")
                << "a failed query shows none, never the last counters";
            f.driver().advanceBy(2000);
        })
        .then([&] { EXPECT_EQ(page->itemText(resources::kIdcFramesReceivedOk), "6000"); });
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
        EXPECT_EQ(page.itemText(resources::kIdcRadioStatus), "Hardware Disabled");
        EXPECT_TRUE(page.control(resources::kIdcRadioStatusLabel)->visible);
        EXPECT_TRUE(page.control(resources::kIdcRadioStatus)->visible);
        EXPECT_EQ(page.itemText(resources::kIdcSignalWord), "none");
        EXPECT_EQ(page.control(resources::kIdcSignalBar)->position, 0);
        for (int id : {resources::kIdcSsid, resources::kIdcTransmitRate, resources::kIdcUpTime,
                       resources::kIdcFrequency, resources::kIdcApMacAddress})
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
            EXPECT_EQ(advanced(resources::kIdcPowerSaveMode), "Maximum");
            EXPECT_EQ(advanced(resources::kIdcCurrentPowerLevel), "50 mW");
            f.machine().updateInterface(adapter, [](sim::InterfaceScenario& i) {
                i.driver.txPower = 28;
                i.driver.unsupportedCodes.push_back(0x0E01017B);
            });
            f.driver().advanceBy(2000);
        })
        .then([&] {
            EXPECT_EQ(advanced(resources::kIdcPowerSaveMode), "none")
                << "power save was not answered";
            EXPECT_EQ(advanced(resources::kIdcCurrentPowerLevel), "25 mW");
            f.machine().updateInterface(adapter,
                                        [](sim::InterfaceScenario& i) { i.driver.txPower = 41; });
            f.driver().advanceBy(2000);
        })
        .then([&] {
            EXPECT_EQ(advanced(resources::kIdcCurrentPowerLevel), "none")
                << "a level without words is not the last one";
            f.machine().updateInterface(adapter,
                                        [](sim::InterfaceScenario& i) { i.driver.txPower = 40; });
            f.driver().advanceBy(2000);
        })
        .then([&] { EXPECT_EQ(advanced(resources::kIdcCurrentPowerLevel), "100 mW"); });
    f.run();
}

}  // namespace
}  // namespace zlx::status
