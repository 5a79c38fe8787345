#include <gtest/gtest.h>

#include <cstdio>

#include "status/status_text.h"

namespace zlx::status {
namespace {

const std::string kNone = "none";

// Rows of (value, text); each table is one routine.
template <typename Value>
struct Row {
    Value value;
    std::string text;
};

TEST(StatusText, RadioClassAndText) {
    using platform::WlanPhyRadioState;
    constexpr std::uint32_t on = platform::kDot11RadioStateOn, off = platform::kDot11RadioStateOff;
    struct Case {
        std::optional<std::vector<WlanPhyRadioState>> phys;
        int radioClass;
        std::string text;
    };
    const Case cases[] = {
        {std::nullopt, 0, " "},
        {std::vector<WlanPhyRadioState>{}, 0, " "},
        {std::vector<WlanPhyRadioState>{{0, on, on}}, 0, " "},
        {std::vector<WlanPhyRadioState>{{0, off, on}}, 1, "Software Disabled"},
        {std::vector<WlanPhyRadioState>{{0, on, off}}, 2, "Hardware Disabled"},
        {std::vector<WlanPhyRadioState>{{0, off, off}}, 3, "Hardware and Software Disabled"},
        // Only the first PHY counts; an unknown state is not on.
        {std::vector<WlanPhyRadioState>{{0, on, on}, {1, off, off}}, 0, " "},
        {std::vector<WlanPhyRadioState>{{0, platform::kDot11RadioStateUnknown, on}}, 1,
         "Software Disabled"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(radioClassOf(c.phys), c.radioClass);
        EXPECT_EQ(radioStatusText(c.radioClass), c.text);
    }
}

TEST(StatusText, LinkStatus) {
    const Row<std::optional<std::uint32_t>> rows[] = {
        {0, "Not Associated"}, {1, "Associated"},        {2, "Associated"},
        {3, "Not Associated"}, {4, "Not Associated"},    {5, "Authenticating..."},
        {6, "Not Associated"}, {7, "Authenticating..."}, {99, "Not Associated"},
        {std::nullopt, kNone}};
    for (const auto& r : rows) EXPECT_EQ(linkStatusText(r.value), r.text) << r.value.value_or(-1);
}

TEST(StatusText, Authentication) {
    const Row<std::uint32_t> rows[] = {
        {1, "Open"},     {2, "Shared"}, {3, "Auto"},     {4, "WPA"},  {5, "WPA PSK"},
        {6, "WPA None"}, {7, "WPA2"},   {8, "WPA2 PSK"}, {0, "Auto"}, {0x80000000, "Auto"}};
    for (const auto& r : rows) EXPECT_EQ(authenticationText(true, 1, r.value), r.text) << r.value;
    EXPECT_EQ(authenticationText(false, 1, 7), kNone);
    EXPECT_EQ(authenticationText(true, 0, 7), kNone);
    EXPECT_EQ(authenticationText(true, 2, 7), kNone);
}

TEST(StatusText, Cipher) {
    const Row<std::uint32_t> rows[] = {{0, "None"}, {1, "WEP"},  {2, "AES"},
                                       {3, "AES"},  {4, "CKIP"}, {5, "TKIP"},
                                       {6, kNone},  {7, "CKIP"}, {8, kNone}};
    for (const auto& r : rows) EXPECT_EQ(cipherText(true, 1, r.value), r.text) << r.value;
    EXPECT_EQ(cipherText(false, 1, 3), kNone);
    EXPECT_EQ(cipherText(true, 0, 3), kNone);
}

TEST(StatusText, NetworkType) {
    const Row<std::uint32_t> rows[] = {
        {1, "Infrastructure"}, {0, "Ad Hoc"}, {2, "Unknown"}, {3, "Unknown"}};
    for (const auto& r : rows) EXPECT_EQ(networkTypeText(r.value), r.text) << r.value;
}

TEST(StatusText, WirelessModeLastMatchWins) {
    const Row<std::uint32_t> rows[] = {
        {0, kNone},
        {0x0E, kNone},
        {0x140, "5 GHz 54 Mbps"},
        {0x480, "2.4 GHz 54 Mbps"},
        {0xC0, "2.4 GHz 54 Mbps"},
        {0x1C0, "2.4 GHz 54 Mbps"},  // 0x140, then 0xC0
        {0xA0, "2.4 GHz 11 Mbps"},
        {0x150, "5 GHz 108 Mbps"},
        {0xD0, "2.4 GHz 108 Mbps"},
        {0x10080, "2.4 GHz 130 Mbps"},
        {0x20080, "2.4 GHz 300 Mbps"},
        {0x40080, "2.4 GHz 300 Mbps"},
        {0x10100, "5 GHz 130 Mbps"},
        {0x20100, "5 GHz 300 Mbps"},
        {0x40100, "5 GHz 300 Mbps"},
        {0x200C0, "2.4 GHz 300 Mbps"},
        {0x10000, kNone},
    };
    for (const auto& r : rows) EXPECT_EQ(wirelessModeText(r.value), r.text) << std::hex << r.value;
}

TEST(StatusText, SignalQualityWord) {
    const Row<std::uint32_t> rows[] = {{0, "No Link"}, {1, "Poor"},       {29, "Poor"},
                                       {30, "Fair"},   {59, "Fair"},      {60, "Good"},
                                       {79, "Good"},   {80, "Excellent"}, {100, "Excellent"}};
    for (const auto& r : rows) EXPECT_EQ(signalQualityWord(true, true, r.value), r.text) << r.value;
    EXPECT_EQ(signalQualityWord(false, true, 100), kNone);
    EXPECT_EQ(signalQualityWord(true, false, 100), kNone);
}

TEST(StatusText, Rate) {
    const Row<std::uint32_t> rows[] = {{0, "0.0 Mbps"},
                                       {5, "5.5 Mbps"},
                                       {54, "54.0 Mbps"},
                                       {144, "144.0 Mbps"},
                                       {0x80000000u | 500, "500 Kbps"},
                                       {0x80000000u, "0 Kbps"}};
    for (const auto& r : rows) EXPECT_EQ(rateText(true, true, r.value), r.text) << r.value;
    EXPECT_EQ(rateText(false, true, 54), kNone);
    EXPECT_EQ(rateText(true, false, 54), kNone);
}

// The numbers are written without the C library's printf; they read as it writes them in the C
// locale, rounding included, over every value a driver can give.
TEST(StatusText, NumbersReadAsPrintfWritesThem) {
    auto printed = [](const char* format, auto value) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, format, value);
        return std::string(buffer);
    };
    for (std::uint32_t mhz = 0; mhz <= 100000; ++mhz)
        ASSERT_EQ(frequencyText(true, true, mhz), printed("%.3f GHz", mhz / 1000.0)) << mhz;
    for (std::uint32_t rate = 0; rate <= 100000; ++rate) {
        ASSERT_EQ(rateText(true, true, rate), printed("%.1f Mbps", rate == 5 ? 5.5 : rate + 0.0));
        ASSERT_EQ(rateText(true, true, 0x80000000u | rate), printed("%d Kbps", int(rate)));
    }
    for (std::int32_t dbm = -200; dbm <= 200; ++dbm)
        ASSERT_EQ(signalStrengthText(true, dbm), printed("%d dBm", dbm));
}

TEST(StatusText, SignalStrengthAndQualityPercent) {
    EXPECT_EQ(signalStrengthText(true, -48), "-48 dBm");
    EXPECT_EQ(signalStrengthText(false, -48), kNone);
    EXPECT_EQ(signalQualityPercentText(true, true, 88), "88%");
    EXPECT_EQ(signalQualityPercentText(false, true, 88), kNone);
    EXPECT_EQ(signalQualityPercentText(true, false, 88), "0%");
}

TEST(StatusText, ChannelFrequencyAndChannelSet) {
    EXPECT_EQ(channelText(true, 6), "6");
    EXPECT_EQ(channelText(true, 0), "0");
    EXPECT_EQ(channelText(false, 6), kNone);
    EXPECT_EQ(frequencyText(true, true, 2437), "2.437 GHz");
    EXPECT_EQ(frequencyText(true, true, 5180), "5.180 GHz");
    EXPECT_EQ(frequencyText(false, true, 2437), kNone);
    const Row<std::array<std::uint8_t, 3>> sets[] = {{{'U', 'S', ' '}, "US"},
                                                     {{'D', 0, 'E'}, "D"},
                                                     {{0, 'S', 0}, ""},
                                                     {{0x1B, 'X', 0}, "\xEF\xBF\xBDX"},
                                                     {{0xC4, 0x80, 0}, "\xEF\xBF\xBD\xEF\xBF\xBD"},
                                                     {{'D', 0x7F, 'E'}, "D\xEF\xBF\xBD"},
                                                     {{'~', 0xE9, 0}, "~\xEF\xBF\xBD"}};
    for (const auto& r : sets) EXPECT_EQ(channelSetText(true, r.value), r.text);
    EXPECT_EQ(channelSetText(false, {'U', 'S', ' '}), kNone);
}

TEST(StatusText, UpTime) {
    const Row<std::uint64_t> rows[] = {{0, "00:00:00"},
                                       {999, "00:00:00"},
                                       {5025000, "01:23:45"},
                                       {86'399'999, "23:59:59"},
                                       {86'400'000, "1, 00:00:00"},
                                       {90'061'000, "1, 01:01:01"},
                                       {400ull * 86'400'000 + 3'723'000, "400, 01:02:03"}};
    for (const auto& r : rows) EXPECT_EQ(upTimeText(true, true, r.value), r.text) << r.value;
    EXPECT_EQ(upTimeText(false, true, 1000), kNone);
    EXPECT_EQ(upTimeText(true, false, 1000), kNone);
}

TEST(StatusText, ApMac) {
    const Row<std::array<std::uint8_t, 6>> rows[] = {
        {{0x00, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F}, "00-1B-2C-3D-4E-5F"},
        {{0, 0, 0, 0, 0, 0}, "00-00-00-00-00-00"},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, kNone},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE}, "FF-FF-FF-FF-FF-FE"}};
    for (const auto& r : rows) EXPECT_EQ(apMacText(true, true, r.value), r.text);
    EXPECT_EQ(apMacText(false, true, rows[0].value), kNone);
}

TEST(StatusText, PowerSave) {
    const Row<std::uint32_t> rows[] = {{0, "Off"}, {1, "Maximum"}, {2, "Normal"}, {3, kNone}};
    for (const auto& r : rows) EXPECT_EQ(powerSaveText(true, r.value), r.text);
    EXPECT_EQ(powerSaveText(false, 1), kNone);
}

TEST(StatusText, PowerLevel) {
    const Row<std::uint32_t> rows[] = {
        {0, " 1 mW"},  {6, " 2 mW"},   {10, " 3 mW"}, {12, " 4 mW"}, {14, " 5 mW"}, {16, " 6 mW"},
        {17, " 7 mW"}, {18, " 8 mW"},  {19, " 9 mW"}, {20, "10 mW"}, {22, "13 mW"}, {26, "20 mW"},
        {28, "25 mW"}, {30, "32 mW "}, {32, "40 mW"}, {34, "50 mW"}, {36, "63 mW"}, {40, "100 mW"},
        {1, kNone},    {41, kNone},    {255, kNone}};
    for (const auto& r : rows) EXPECT_EQ(powerLevelText(true, true, r.value), r.text) << r.value;
    EXPECT_EQ(powerLevelText(false, true, 40), kNone);
    EXPECT_EQ(powerLevelText(true, false, 28), kNone);
}

TEST(StatusText, FlagsPreambleQosMfp) {
    EXPECT_EQ(preambleText(true, 1), "Short && Long");
    EXPECT_EQ(preambleText(true, 0), "Long Only");
    EXPECT_EQ(preambleText(false, 0), kNone);
    EXPECT_EQ(qosText(1, true, true), "WMM");
    EXPECT_EQ(qosText(1, false, true), kNone);
    EXPECT_EQ(qosText(1, true, false), "None");
    EXPECT_EQ(qosText(0, true, true), "None");
    EXPECT_EQ(mfpText(true, 1), "On");
    EXPECT_EQ(mfpText(true, 0), "Off");
    EXPECT_EQ(mfpText(false, 0), kNone);
}

TEST(StatusText, AvailablePowerLevels) {
    const std::string a = "50, 40, 25, 20, 13, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1 mW";
    const std::string bg = "100, 63, 50, 32, 20, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1 mW";
    const Row<std::uint32_t> aRows[] = {{0x1, a}, {0x2, a}, {0x4, ""}, {0x3000, ""}, {0, ""}};
    for (const auto& r : aRows)
        EXPECT_EQ(availablePowerLevelsAText(true, r.value), r.text) << r.value;
    const Row<std::uint32_t> bgRows[] = {{0x4, bg}, {0x8, bg}, {0x10, bg},  {0x1F, bg},
                                         {0, ""},   {0x3, ""}, {0xF000, ""}};
    for (const auto& r : bgRows)
        EXPECT_EQ(availablePowerLevelsBgText(true, r.value), r.text) << r.value;
    EXPECT_EQ(availablePowerLevelsAText(false, 0x1F), kNone);
    EXPECT_EQ(availablePowerLevelsBgText(false, 0x1F), kNone);
}

TEST(StatusText, ServerAuthentication) {
    const Row<std::int32_t> rows[] = {{17, "LEAP"},
                                      {6, "PEAP (EAP-GTC)"},
                                      {29, "PEAP (EAP-MSCHAP V2)"},
                                      {25, "PEAP (EAP-MSCHAP V2)"},
                                      {13, "EAP-TLS"},
                                      {21, "EAP-TTLS"},
                                      {4, "EAP-MD5"},
                                      {47, "PSK"},
                                      {43, "EAP-FAST"},
                                      {18, "EAP-SIM"},
                                      {0, "None"},
                                      {-1, "None"}};
    for (const auto& r : rows) EXPECT_EQ(serverAuthText(r.value), r.text) << r.value;
}

TEST(StatusText, Ssid) {
    std::array<std::uint8_t, 32> ssid{};
    const std::string name = "ZLX-Office";
    std::copy(name.begin(), name.end(), ssid.begin());
    EXPECT_EQ(ssidOctets(ssid, 10), name);
    ssid[3] = 0;  // a zero octet is part of the name, never its end
    EXPECT_EQ(ssidOctets(ssid, 10), std::string("ZLX\0Office", 10));
    ssid.fill('A');
    EXPECT_EQ(ssidOctets(ssid, 32), std::string(32, 'A'));
    EXPECT_EQ(ssidOctets(ssid, 4000), std::string(32, 'A')) << "a length past the array";
    EXPECT_EQ(ssidText(true, true, std::string("a\0b", 3)),
              "a\xEF\xBF\xBD"
              "b")
        << "a NUL is shown, not cut";
    const Row<std::string> rows[] = {
        {"Caf\xC3\xA9", "Caf\xC3\xA9"},
        {"\xE2\x80\xAE"
         "evil",
         "\xEF\xBF\xBD"
         "evil"},
        {"a\x1B[31m", "a\xEF\xBF\xBD[31m"},
    };
    for (const auto& r : rows) EXPECT_EQ(ssidText(true, true, r.value), r.text);
    EXPECT_EQ(ssidText(false, true, "x"), kNone);
    EXPECT_EQ(ssidText(true, false, "x"), kNone);
}

}  // namespace
}  // namespace zlx::status
