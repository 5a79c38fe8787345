#include <gtest/gtest.h>

#include "platform/bytes.h"
#include "platform/text.h"
#include "platform/wlan_types.h"

namespace zlx::platform {
namespace {

WlanConnectionAttributes sampleConnection() {
    WlanConnectionAttributes c;
    c.state = kWlanStateConnected;
    c.connectionMode = 0;
    c.profileName = "ZLX Office";
    c.association.ssid = {'Z', 'L', 'X', '-', 'O', 'f', 'f', 'i', 'c', 'e'};
    c.association.bssType = 1;
    c.association.bssid = {0x00, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F};
    c.association.phyType = 7;
    c.association.phyIndex = 2;
    c.association.signalQuality = 88;
    c.association.rxRate = 144000;
    c.association.txRate = 130000;
    c.securityEnabled = 1;
    c.oneXEnabled = 1;
    c.authAlgorithm = 6;
    c.cipherAlgorithm = 4;
    return c;
}

TEST(ConnectionAttributes, RoundTrip) {
    auto bytes = encodeConnectionAttributes(sampleConnection());
    ASSERT_EQ(bytes.size(), kWlanConnectionAttributesSize);
    auto decoded = decodeConnectionAttributes(bytes);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(*decoded, sampleConnection());
}

TEST(ConnectionAttributes, FieldsSitAtTheirX64Offsets) {
    auto bytes = encodeConnectionAttributes(sampleConnection());
    std::span<const std::uint8_t> b(bytes);
    struct Field {
        std::size_t offset;
        std::uint32_t value;
    };
    for (Field f : {Field{0, kWlanStateConnected}, Field{520, 10}, Field{556, 1}, Field{568, 7},
                    Field{572, 2}, Field{576, 88}, Field{580, 144000}, Field{584, 130000},
                    Field{588, 1}, Field{592, 1}, Field{596, 6}, Field{600, 4}}) {
        EXPECT_EQ(loadLe<std::uint32_t>(b, f.offset), f.value) << "offset " << f.offset;
    }
    EXPECT_EQ(bytes[524], 'Z');
    EXPECT_EQ(bytes[560], 0x00);
    EXPECT_EQ(bytes[565], 0x5F);
    EXPECT_EQ(utf8FromUtf16le(b.subspan(8, 512)), "ZLX Office");
}

TEST(ConnectionAttributes, ProfileNameKeepsItsNulInTheLastUnit) {
    WlanConnectionAttributes c;
    c.profileName = std::string(300, 'p');
    auto bytes = encodeConnectionAttributes(c);
    EXPECT_EQ(bytes[8 + 254 * 2], 'p');
    EXPECT_EQ(bytes[8 + 255 * 2], 0);
    EXPECT_EQ(bytes[8 + 255 * 2 + 1], 0);
    EXPECT_EQ(decodeConnectionAttributes(bytes)->profileName, std::string(255, 'p'));
}

TEST(ConnectionAttributes, SsidLengthFieldLimitsTheOctetsRead) {
    auto bytes = encodeConnectionAttributes(sampleConnection());
    storeLe<std::uint32_t>(bytes, 520, 3);
    EXPECT_EQ(decodeConnectionAttributes(bytes)->association.ssid,
              (std::vector<std::uint8_t>{'Z', 'L', 'X'}));
    storeLe<std::uint32_t>(bytes, 520, 1000);
    EXPECT_EQ(decodeConnectionAttributes(bytes)->association.ssid.size(), 32u);
}

TEST(ConnectionAttributes, ShortBufferDoesNotDecode) {
    std::vector<std::uint8_t> bytes(kWlanConnectionAttributesSize - 1);
    EXPECT_FALSE(decodeConnectionAttributes(bytes));
}

TEST(RadioState, RoundTripWithCountAndEntries) {
    std::vector<WlanPhyRadioState> phys{{0, kDot11RadioStateOn, kDot11RadioStateOff},
                                        {1, kDot11RadioStateOff, kDot11RadioStateOn}};
    auto bytes = encodeRadioState(phys);
    ASSERT_EQ(bytes.size(), kWlanRadioStateSize);
    EXPECT_EQ(loadLe<std::uint32_t>(bytes, 0), 2u);
    EXPECT_EQ(loadLe<std::uint32_t>(bytes, 16), 1u);  // second entry's PHY index
    EXPECT_EQ(decodeRadioState(bytes), phys);
}

TEST(RadioState, CountAboveSixtyFourReadsAsSixtyFour) {
    auto bytes = encodeRadioState({});
    storeLe<std::uint32_t>(bytes, 0, 1000);
    EXPECT_EQ(decodeRadioState(bytes)->size(), kWlanMaxPhys);
}

// WLAN_STATISTICS as the Windows SDK lays it out: two WLAN_MAC_FRAME_STATISTICS of twelve
// u64 after three u64, the PHY count at 216, the first PHY's counters at 224.
TEST(Statistics, CountersSitAtTheirX64Offsets) {
    WlanStatistics s;
    s.unicastTransmitted = 11;
    s.unicastReceived = 12;
    s.multicastTransmitted = 21;
    s.multicastReceived = 22;
    s.phys = {{31, 32, 33, 34}, {41, 42, 43, 44}};
    auto bytes = encodeStatistics(s);
    ASSERT_EQ(bytes.size(), 224u + 2 * 144);
    std::span<const std::uint8_t> b(bytes);
    struct Field {
        std::size_t offset;
        std::uint64_t value;
    };
    for (Field f : {Field{24, 11}, Field{32, 12}, Field{120, 21}, Field{128, 22}, Field{216, 2},
                    Field{224 + 16, 31}, Field{224 + 24, 32}, Field{224 + 72, 33},
                    Field{224 + 112, 34}, Field{368 + 16, 41}, Field{368 + 112, 44}}) {
        EXPECT_EQ(loadLe<std::uint64_t>(b, f.offset), f.value) << "offset " << f.offset;
    }
    EXPECT_EQ(decodeStatistics(b), s);
    EXPECT_EQ(decodeStatistics(b.first(223)), std::nullopt);
}

}  // namespace
}  // namespace zlx::platform
