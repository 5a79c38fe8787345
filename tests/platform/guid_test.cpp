#include <gtest/gtest.h>

#include "platform/windows_types.h"

namespace zlx::platform {
namespace {

// {00112233-4455-6677-8899-aabbccddeeff} as Windows lays it out in memory.
constexpr Guid kSample{{0x33, 0x22, 0x11, 0x00, 0x55, 0x44, 0x77, 0x66, 0x88, 0x99, 0xaa, 0xbb,
                        0xcc, 0xdd, 0xee, 0xff}};

TEST(FormatGuid, WritesTheFirstThreeGroupsFromLittleEndianFields) {
    EXPECT_EQ(formatGuid(kSample), "00112233-4455-6677-8899-aabbccddeeff");
}

TEST(FormatGuid, ZeroGuid) {
    EXPECT_EQ(formatGuid(Guid{}), "00000000-0000-0000-0000-000000000000");
}

TEST(ParseGuid, ReadsBackWhatFormatWrote) {
    Guid parsed;
    ASSERT_TRUE(parseGuid("00112233-4455-6677-8899-aabbccddeeff", parsed));
    EXPECT_EQ(parsed, kSample);
}

TEST(ParseGuid, AcceptsUpperCase) {
    Guid parsed;
    ASSERT_TRUE(parseGuid("00112233-4455-6677-8899-AABBCCDDEEFF", parsed));
    EXPECT_EQ(parsed, kSample);
}

TEST(ParseGuid, RoundTripsEveryByteValue) {
    Guid guid;
    for (std::size_t i = 0; i < 16; ++i) guid.bytes[i] = static_cast<std::uint8_t>(i * 17 + 3);
    Guid parsed;
    ASSERT_TRUE(parseGuid(formatGuid(guid), parsed));
    EXPECT_EQ(parsed, guid);
}

class ParseGuidRefuses : public ::testing::TestWithParam<const char*> {};

TEST_P(ParseGuidRefuses, LeavesTheOutputUntouched) {
    Guid out = kSample;
    EXPECT_FALSE(parseGuid(GetParam(), out));
    EXPECT_EQ(out, kSample);
}

INSTANTIATE_TEST_SUITE_P(BadForms, ParseGuidRefuses,
                         ::testing::Values("", "abc", "{00112233-4455-6677-8899-aabbccddeeff}",
                                           "00112233-4455-6677-8899-aabbccddeef",
                                           "00112233-4455-6677-8899-aabbccddeeff0",
                                           "00112233445566778899aabbccddeeff",
                                           "00112233-4455-6677-8899_aabbccddeeff",
                                           "0011223-34455-6677-8899-aabbccddeeff",
                                           "00112233-4455-6677-8899-aabbccddeefg",
                                           " 0112233-4455-6677-8899-aabbccddeeff"));

}  // namespace
}  // namespace zlx::platform
