#include <gtest/gtest.h>

#include "sim/link_dynamics.h"
#include "sim/scenario.h"
#include "sim/sim_machine.h"

namespace zlx::sim {
namespace {

TEST(LinkDynamics, SwingIsATriangleWaveFromLowestToHighest) {
    struct Case {
        Millis now;
        std::int64_t swing;
    };
    const Case cases[] = {{0, -6},     {2000, -3},  {4000, 0},   {8000, 6}, {12000, 0},
                          {14000, -3}, {16000, -6}, {18000, -3}, {-5, 0}};
    for (const Case& c : cases) EXPECT_EQ(swingAt(c.now, 16000, 6), c.swing) << c.now;
    EXPECT_EQ(swingAt(5000, 0, 6), 0);
    EXPECT_EQ(swingAt(5000, 16000, 0), 0);
}

Scenario livingScenario() {
    return parseScenario(R"({"wlan": {"interfaces": [{
        "guid": "3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c", "state": "connected",
        "connection": {"ssid": "Net", "rssi": -50, "signalQuality": 98},
        "driver": {"linkStatus": {"upTimeMs": 1000, "qualityPercent": 50, "rawQuality": 50},
                   "statistics": {"beaconsReceived": 7}},
        "interfaceStatistics": {"unicastTransmitted": 100, "phys": [{"retry": 1}]},
        "dynamics": {
          "rssiSwingDbm": 4, "qualitySwingPercent": 10, "swingPeriodMs": 8000,
          "upTimeGrows": true,
          "counterRates": {"beaconsReceived": 10, "unicastTransmitted": 1000, "phyRetry": 3},
          "events": [
            {"atMs": 3000, "state": "disconnected"},
            {"atMs": 5000, "state": "connected", "bssid": "00-11-22-33-44-55", "channel": 11,
             "frequencyMhz": 2462},
            {"atMs": 6000, "radioHardware": "off", "statisticsResult": 31},
            {"atMs": 7000, "radioHardware": "on", "statisticsResult": 0}
          ]}}]}})",
                         "living.json");
}

TEST(LinkDynamics, TheLinkAtEachMomentFollowsTheClock) {
    const Scenario s = livingScenario();
    const InterfaceScenario& base = s.wlan.interfaces.front();
    struct Case {
        Millis now;
        std::uint32_t state;
        std::int32_t rssi;
        std::uint32_t signalQuality;
        std::uint64_t upTime;
        std::uint64_t beacons, unicast, retry;
        std::uint32_t hardware;
        bool statisticsFail;
        std::uint8_t channel;
    };
    constexpr auto on = kDot11RadioStateOn, off = kDot11RadioStateOff;
    const Case cases[] = {
        {0, kWlanStateConnected, -54, 88, 1000, 7, 100, 1, on, false, 0},
        {2000, kWlanStateConnected, -50, 98, 3000, 27, 2100, 7, on, false, 0},
        {4000, kWlanStateDisconnected, -46, 100, 1000, 47, 4100, 13, on, false, 0},
        {5500, kWlanStateConnected, -49, 100, 500, 62, 5600, 17, on, false, 11},
        {6000, kWlanStateConnected, -50, 98, 1000, 67, 6100, 19, off, true, 11},
        {7000, kWlanStateConnected, -52, 93, 2000, 77, 7100, 22, on, false, 11},
    };
    // Read afresh, and read in turn from one link kept and advanced in place.
    LiveLink kept;
    for (const Case& c : cases)
        for (const InterfaceScenario& live : {liveInterface(base, c.now), kept.at(base, c.now)}) {
            SCOPED_TRACE(c.now);
            EXPECT_EQ(live.state, c.state);
            EXPECT_EQ(live.connection->rssi, c.rssi);
            EXPECT_EQ(live.connection->attributes.association.signalQuality, c.signalQuality);
            EXPECT_EQ(live.driver.linkStatus.upTimeMs, c.upTime);
            EXPECT_EQ(live.driver.statistics.beaconsReceived, c.beacons);
            EXPECT_EQ(live.statistics->unicastTransmitted, c.unicast);
            EXPECT_EQ(live.statistics->phys.front().retryCount, c.retry);
            EXPECT_EQ(live.radio.front().hardware, c.hardware);
            EXPECT_EQ(!live.queryFailures.empty(), c.statisticsFail);
            EXPECT_EQ(live.driver.linkStatus.channel, c.channel);
            EXPECT_EQ(live.driver.channelNumber, c.channel);
        }
    EXPECT_EQ(liveInterface(base, 5000).driver.linkStatus.bssid,
              (std::array<std::uint8_t, 6>{0x00, 0x11, 0x22, 0x33, 0x44, 0x55}));
}

// A counter at the highest rate a scenario allows keeps growing past 2^32 ms (49.7 days) and
// wraps only at 2^64: rate x time is never taken modulo 2^64 before the division.
TEST(LinkDynamics, ACounterAtTheHighestRateGrowsAndWrapsAt2To64) {
    const Scenario s = parseScenario(R"({"wlan": {"interfaces": [{
        "guid": "3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c", "state": "connected",
        "dynamics": {"counterRates": {"beaconsReceived": 4294967295, "unicastReceived": 7}}}]}})",
                                     "fast.json");
    const struct {
        Millis now;
        std::uint64_t beacons, unicast;
    } cases[] = {
        {1999, 8585639622, 13},
        {4294967296, 18446744069414584ULL, 30064771},
        {4294967297, 18446744073709551ULL, 30064771},
        {34560000000, 148434069715200000ULL, 241920000},          // 400 days
        {5000000000000, 3028092401290448384ULL, 35000000000ULL},  // past 2^64: wrapped
    };
    for (const auto& c : cases) {
        InterfaceScenario live = liveInterface(s.wlan.interfaces.front(), c.now);
        EXPECT_EQ(live.driver.statistics.beaconsReceived, c.beacons) << c.now;
        EXPECT_EQ(live.statistics->unicastReceived, c.unicast) << c.now;
    }
}

TEST(LinkDynamics, TheServiceAnswersWithTheLinkOfTheMoment) {
    ManualClock clock;
    SimMachine machine(livingScenario(), clock);
    Guid guid = machine.scenario().wlan.interfaces.front().guid;
    auto query = [&](std::uint32_t opcode, std::vector<std::uint8_t>& data) {
        WlanHandle handle = 0;
        std::uint32_t version = 0, type = 0;
        machine.wlan().openHandle(2, version, handle);
        Win32Error result = machine.wlan().queryInterface(handle, guid, opcode, data, type);
        machine.wlan().closeHandle(handle);
        return result;
    };
    std::vector<std::uint8_t> data;
    ASSERT_EQ(query(kWlanOpcodeStatistics, data), kErrorSuccess);
    EXPECT_EQ(decodeStatistics(data)->unicastTransmitted, 100u);
    clock.advanceTo(6000, [] {});
    EXPECT_EQ(query(kWlanOpcodeStatistics, data), 31u);
    clock.advanceTo(7000, [] {});
    ASSERT_EQ(query(kWlanOpcodeStatistics, data), kErrorSuccess);
    EXPECT_EQ(decodeStatistics(data)->unicastTransmitted, 7100u);
}

TEST(WlanStatisticsCodec, RoundTripsAndBoundsThePhyCount) {
    WlanStatistics s{0xFFFFFFF0, 2, 0x20, 4, {{1, 2, 3, 4}, {5, 6, 7, 8}}};
    std::vector<std::uint8_t> bytes = encodeStatistics(s);
    EXPECT_EQ(bytes.size(), kWlanStatisticsHeaderSize + 2 * kWlanPhyFrameStatisticsSize);
    EXPECT_EQ(decodeStatistics(bytes), s);
    // A count larger than the PHYs the answer holds reads only those there are.
    bytes[152] = 200;
    EXPECT_EQ(decodeStatistics(bytes)->phys.size(), 2u);
    bytes.resize(kWlanStatisticsHeaderSize - 1);
    EXPECT_EQ(decodeStatistics(bytes), std::nullopt);
}

TEST(LinkDynamics, ScenarioErrorsNameTheirPlace) {
    auto error = [](const std::string& dynamics) {
        try {
            parseScenario(
                R"({"wlan": {"interfaces": [{"guid": "3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c",
                          "dynamics": )" +
                    dynamics + "}]}}",
                "d.json");
        } catch (const ScenarioError& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    EXPECT_NE(error(R"({"counterRates": {"bogus": 1}})").find("no counter is called \"bogus\""),
              std::string::npos);
    EXPECT_NE(error(R"({"events": [{"atMs": 5}, {"atMs": 4}]})").find("events go in time order"),
              std::string::npos);
    EXPECT_NE(error(R"({"rssiSwingDbm": 101})").find("expected 0 to 100"), std::string::npos);
    EXPECT_NE(error(R"({"swingPeriodMs": 0})").find("above 0"), std::string::npos);
    EXPECT_NE(error(R"({"events": [{"state": "connected"}]})").find("atMs"), std::string::npos);
}

}  // namespace
}  // namespace zlx::sim
