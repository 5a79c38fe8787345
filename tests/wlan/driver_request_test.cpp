#include "wlan/driver_request.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zlx::wlan {
namespace {

TEST(DriverRequestTest, HeaderCarriesCodeAndLengthValueAndNothingElse) {
    for (const DriverRequestCode& code :
         {OID_GEN_VENDOR_DESCRIPTION, REQ_TX_RATE, REQ_RX_RATE, REQ_CHANNEL_INFO, REQ_COUNTRY_CODE,
          REQ_TX_POWER, REQ_STATISTICS, REQ_LINK_STATUS, REQ_POWER_SAVE}) {
        DriverRequestBuffer r = buildDriverRequest(code.code, code.requestSize, code.lengthValue);
        ASSERT_EQ(r.size, code.requestSize);
        EXPECT_EQ(readU32(r.view(), 4), code.code);
        EXPECT_EQ(readU32(r.view(), 16), code.lengthValue);
        for (std::size_t i = 0; i < r.size; ++i) {
            bool field = (i >= 4 && i < 8) || (i >= 16 && i < 20);
            if (!field) {
                EXPECT_EQ(r.bytes[i], 0) << std::hex << code.code << " byte " << i;
            }
        }
    }
    EXPECT_EQ(REQ_LINK_STATUS.lengthValue, 227u);
    EXPECT_EQ(REQ_STATISTICS.lengthValue, 328u);
}

TEST(DriverRequestTest, QualityClassBoundaries) {
    const std::pair<std::uint32_t, std::uint32_t> cases[] = {
        {0, 0}, {1, 30}, {29, 30}, {30, 60}, {49, 60}, {50, 80}, {79, 80}, {80, 100}, {1000, 100}};
    for (auto [raw, expected] : cases) EXPECT_EQ(qualityClass(raw), expected) << raw;
}

TEST(DriverRequestTest, PhyCapabilityCodes) {
    const std::pair<std::uint32_t, std::uint32_t> cases[] = {
        {0, 0},       {1, 0x0001},  {2, 0x0004}, {3, 0x0008},    {4, 0},       {5, 0x0002},
        {6, 0x0010},  {7, 0x4000},  {8, 0x8000}, {9, 0x1000},    {10, 0x1000}, {11, 0x2000},
        {12, 0x2000}, {13, 0x3000}, {14, 0},     {0xFFFFFFFF, 0}};
    for (auto [code, bits] : cases) EXPECT_EQ(phyCapabilityBitsFor(code), bits) << code;
}

std::vector<std::uint8_t> answer(std::size_t size) {
    return std::vector<std::uint8_t>(size, 0);
}

void put(std::vector<std::uint8_t>& a, std::size_t offset, std::uint64_t value, int width) {
    for (int i = 0; i < width; ++i) a[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

TEST(DriverRequestTest, LinkStatusFieldsAreReadAtTheirPackedOffsets) {
    auto a = answer(360);
    const std::uint8_t mac[] = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
    std::copy(std::begin(mac), std::end(mac), a.begin() + 32);
    put(a, 38, 0x11223344, 4);
    put(a, 42, 149, 1);
    put(a, 43, 5745, 4);  // odd offsets: unaligned
    put(a, 51, 79, 4);
    put(a, 55, 87, 4);
    a[59] = 1;
    a[60] = 2;  // only the value 1 counts as on
    a[61] = 1;
    put(a, 62, 0x0102030405060708ULL, 8);
    put(a, 74, 13, 4);
    put(a, 78, 5, 4);
    put(a, 74 + 13 * 4, 8, 4);  // the last entry
    LinkStatusBlock s = decodeLinkStatus(a);
    EXPECT_EQ(s.apMac[1], 0x1A);
    EXPECT_EQ(s.apMac[5], 0x5E);
    EXPECT_EQ(s.txPowerCode, 0x11223344u);
    EXPECT_EQ(s.channel, 149u);
    EXPECT_EQ(s.frequency, 5745u);
    EXPECT_EQ(s.qualityClass, 80u);
    EXPECT_EQ(s.qualityPercent, 87u);
    EXPECT_TRUE(s.mfp);
    EXPECT_FALSE(s.wmm);
    EXPECT_TRUE(s.shortPreamble);
    EXPECT_EQ(s.upTimeMs, 0x0102030405060708ULL);
    EXPECT_EQ(s.phyCapabilityBits, 0x3000u | 0x0002u | 0x8000u);
}

TEST(DriverRequestTest, StatisticsSkipTheUnreadBytes) {
    auto a = answer(360);
    put(a, 32, 7, 8);
    put(a, 40, 99, 8);  // not a counter
    put(a, 80, 1, 8);
    put(a, 112, 5, 8);
    put(a, 216, 19, 8);
    StatisticsBlock s = decodeStatistics(a);
    EXPECT_EQ(s.encryptionErrors, 7u);
    EXPECT_EQ(s.rtsFrames, 1u);
    EXPECT_EQ(s.framesRetried, 5u);
    EXPECT_EQ(s.ckipMicErrors, 19u);
    EXPECT_EQ(s.ctsFrames, 0u);
}

TEST(DriverRequestTest, AnswerTextStopsAtNulOrBufferEnd) {
    auto a = answer(40);
    std::string text = "Norvane";
    std::copy(text.begin(), text.end(), a.begin() + 32);
    EXPECT_EQ(answerText(a), "Norvane");  // fills the payload exactly: no NUL, still bounded
    a[35] = 0;
    EXPECT_EQ(answerText(a), "Nor");
    EXPECT_EQ(answerText(answer(32)), "");
}

std::u16string nameField(const std::array<std::uint8_t, kServiceControlSize>& m) {
    std::u16string name;
    for (std::size_t i = 0; i < kServiceControlNameUnits; ++i)
        name += static_cast<char16_t>(m[8 + 2 * i] | (m[9 + 2 * i] << 8));
    return name;
}

TEST(ServiceControlMessageTest, EnterCarriesOuiOperationAndName) {
    auto m = buildServiceControlMessage({0x02, 0x5A, 0x58}, ServiceOperation::Enter, "ZLX Office");
    EXPECT_EQ(m[0], 0x02);
    EXPECT_EQ(m[2], 0x58);
    EXPECT_EQ(m[3], 0x01);
    EXPECT_EQ(readU32(m, 4), 0u);
    EXPECT_EQ(nameField(m).substr(0, 11), std::u16string(u"ZLX Office") + u'\0');
}

TEST(ServiceControlMessageTest, LeaveHasAnEmptyName) {
    auto m = buildServiceControlMessage({1, 2, 3}, ServiceOperation::Leave, "ignored");
    EXPECT_EQ(readU32(m, 4), 1u);
    for (std::size_t i = 8; i < kServiceControlSize; ++i) EXPECT_EQ(m[i], 0) << i;
}

TEST(ServiceControlMessageTest, NameIsCutToLeaveRoomForItsNul) {
    struct Case {
        std::string name;
        std::size_t units;  // expected UTF-16 units before the NUL
    };
    const std::string smile = "\xF0\x9F\x98\x80";  // two UTF-16 units
    const Case cases[] = {
        {std::string(127, 'a'), 127},
        {std::string(255, 'b'), 127},
        {std::string(126, 'c') + smile, 126},  // the pair would not fit: left out whole
        {std::string(125, 'd') + smile, 127},
    };
    for (const Case& c : cases) {
        auto m = buildServiceControlMessage({}, ServiceOperation::Enter, c.name);
        std::u16string field = nameField(m);
        EXPECT_EQ(field.find(u'\0'), c.units) << c.name.size();
        EXPECT_EQ(field[127], u'\0');
    }
}

}  // namespace
}  // namespace zlx::wlan
