#include "wlan/driver_channel.h"

#include <gtest/gtest.h>

#include "sim_fixture.h"

namespace zlx::wlan {
namespace {

using zlx::testing::driverScenario;
using zlx::testing::SimFixture;

struct Channel {
    explicit Channel(const std::string& json) : sim(json) {}
    SimFixture sim;
    bool serviceControlOff = false;
    platform::Guid target = sim.adapter;
    DriverChannel channel{sim.machine->wlan(), target, serviceControlOff, {0x02, 0x5A, 0x58}};
};

TEST(DriverChannelTest, AcceptanceByByteCountAndResult) {
    struct Case {
        const char* overrides;
        std::uint32_t rate;  // 7: the field kept its value
    };
    const Case cases[] = {
        {"[]", 54},
        {R"([{"code": "0xFF000009", "result": 31, "bytesReturned": 32}])", 7},   // header only
        {R"([{"code": "0xFF000009", "result": 31, "bytesReturned": 33}])", 54},  // data anyway
        // Success with nothing written: the zero-filled answer is used.
        {R"([{"code": "0xFF000009", "result": 0, "bytesReturned": 0}])", 0},
    };
    for (const Case& c : cases) {
        Channel ch(
            driverScenario(std::string(R"({"txRate": 54, "overrides": )") + c.overrides + "}"));
        std::uint32_t rate = 7;
        ch.channel.queryTxRate(rate);
        EXPECT_EQ(rate, c.rate) << c.overrides;
    }
}

TEST(DriverChannelTest, VendorDescriptionNeedsMoreThanTheHeader) {
    Channel refused(driverScenario(
        R"({"vendorDescription": "Norvane", "overrides": [{"code": "0x0001010D", "result": 0, "bytesReturned": 32}]})"));
    EXPECT_FALSE(refused.channel.queryVendorDescription());
    Channel failing(driverScenario(
        R"({"vendorDescription": "Norvane ZLX", "overrides": [{"code": "0x0001010D", "result": 31, "bytesReturned": 40}]})"));
    auto text = failing.channel.queryVendorDescription();
    ASSERT_TRUE(text);
    EXPECT_TRUE(isVendorDescription(*text));
    EXPECT_FALSE(isVendorDescription("norvane wireless"));
}

TEST(DriverChannelTest, OneUnknownCodeDoesNotBlockTheOthers) {
    Channel ch(driverScenario(
        R"({"txRate": 54, "rxRate": 48, "unsupportedCodes": ["0xFF000009"], "channel": {"frequencyMhz": 5180, "number": 36, "modeBits": 8}})"));
    std::uint32_t tx = 1, rx = 1;
    ch.channel.queryTxRate(tx);
    ch.channel.queryRxRate(rx);
    EXPECT_EQ(tx, 1u);
    EXPECT_EQ(rx, 48u);
    auto info = ch.channel.queryChannelInfo();
    ASSERT_TRUE(info);
    EXPECT_EQ(info->frequency, 5180u);
    EXPECT_EQ(info->channel, 36u);
    EXPECT_EQ(info->modeBits, 8u);
}

TEST(DriverChannelTest, EachRequestOpensAndClosesItsOwnHandle) {
    Channel ch(driverScenario(R"({"txRate": 54})"));
    std::uint32_t rate = 0;
    ch.channel.queryTxRate(rate);
    ch.channel.queryStatistics();
    EXPECT_EQ(ch.sim.machine->openWlanHandles(), 0u);
    auto requests = ch.sim.machine->ihvRequests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_NE(requests[0].handle, requests[1].handle);
    EXPECT_EQ(requests[0].type, platform::kWlanIhvControlDriver);
    EXPECT_EQ(requests[0].request.size(), 36u);
    EXPECT_EQ(requests[1].request.size(), 360u);
    EXPECT_EQ(requests[1].answerSize, 360u);
    EXPECT_EQ(readU32(requests[1].request, 16), 328u);
}

TEST(DriverChannelTest, FailedOpenSendsNothingAndClosesAHandleItGotAnyway) {
    Channel ch(
        driverScenario(R"({"txRate": 54})", R"("openResult": 1062, "handleOnFailedOpen": true, )"));
    std::uint32_t rate = 9;
    ch.channel.queryTxRate(rate);
    EXPECT_EQ(rate, 9u);
    EXPECT_TRUE(ch.sim.machine->ihvRequests().empty());
    EXPECT_EQ(ch.sim.machine->openWlanHandles(), 0u);
    EXPECT_EQ(ch.sim.machine->calls().count("WlanCloseHandle"), 1u);
}

TEST(DriverChannelTest, ServiceControlMessagesAndTheirSuppression) {
    Channel ch(driverScenario("{}"));
    ch.channel.enterDiagnosticMode("ZLX Office");
    ch.channel.leaveDiagnosticMode();
    auto requests = ch.sim.machine->ihvRequests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].type, platform::kWlanIhvControlService);
    EXPECT_EQ(requests[0].request.size(), kServiceControlSize);
    EXPECT_EQ(requests[0].answerSize, kEnterAnswerSize);
    EXPECT_EQ(readU32(requests[1].request, 4), 1u);
    EXPECT_EQ(requests[1].answerSize, 0u);

    ch.serviceControlOff = true;  // "-u": not even a handle is opened
    std::size_t opens = ch.sim.machine->calls().count("WlanOpenHandle");
    ch.channel.enterDiagnosticMode("ZLX Office");
    ch.channel.leaveDiagnosticMode();
    EXPECT_EQ(ch.sim.machine->ihvRequests().size(), 2u);
    EXPECT_EQ(ch.sim.machine->calls().count("WlanOpenHandle"), opens);
}

TEST(DriverChannelTest, LinkStatusAndCountryCodeThroughTheDriver) {
    Channel ch(driverScenario(
        R"({"countryCode": "DE", "countryExtra": "0x49", "linkStatus": {"bssid": "00-11-22-33-44-55", "channel": 11, "frequencyMhz": 2462, "rawQuality": 30, "qualityPercent": 55, "wmm": true, "upTimeMs": 90061000, "phyCapabilities": [9, 10, 4]}})"));
    auto status = ch.channel.queryLinkStatus();
    ASSERT_TRUE(status);
    EXPECT_EQ(status->apMac[5], 0x55);
    EXPECT_EQ(status->channel, 11u);
    EXPECT_EQ(status->frequency, 2462u);
    EXPECT_EQ(status->qualityClass, 60u);
    EXPECT_EQ(status->qualityPercent, 55u);
    EXPECT_TRUE(status->wmm);
    EXPECT_EQ(status->upTimeMs, 90061000u);
    EXPECT_EQ(status->phyCapabilityBits, 0x1000u);
    CountryCodeAnswer country = ch.channel.queryCountryCode();
    EXPECT_TRUE(country.accepted);
    EXPECT_EQ(country.bytes, (std::array<std::uint8_t, 3>{'D', 'E', 0x49}));
}

}  // namespace
}  // namespace zlx::wlan
