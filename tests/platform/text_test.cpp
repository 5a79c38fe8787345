#include <gtest/gtest.h>

#include <cstdio>
#include <limits>

#include "platform/console.h"
#include "platform/text.h"

namespace zlx::platform {
namespace {

// U+1F4F6 (antenna bars) needs a surrogate pair; U+00E9 and U+20AC need one unit each.
const std::string kAntenna = "\xF0\x9F\x93\xB6";
const std::string kEAcute = "\xC3\xA9";
const std::string kEuro = "\xE2\x82\xAC";
const std::string kReplacement = "\xEF\xBF\xBD";

TEST(Utf8ToUtf16, EncodesAstralCharactersAsSurrogatePairs) {
    EXPECT_EQ(utf8ToUtf16("a" + kEAcute + kEuro + kAntenna),
              (std::u16string{u'a', 0x00E9, 0x20AC, 0xD83D, 0xDCF6}));
}

struct InvalidUtf8 {
    const char* name;
    std::string bytes;
    std::string sanitized;
};

class InvalidUtf8Test : public ::testing::TestWithParam<InvalidUtf8> {};

TEST_P(InvalidUtf8Test, BecomesReplacementCharacters) {
    const auto& c = GetParam();
    EXPECT_EQ(sanitizeUtf8(c.bytes), c.sanitized);
    EXPECT_EQ(utf16ToUtf8(utf8ToUtf16(c.bytes)), c.sanitized);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InvalidUtf8Test,
    ::testing::Values(
        InvalidUtf8{"LoneContinuation", "a\x80z", "a" + kReplacement + "z"},
        InvalidUtf8{"Overlong", "\xC0\xAF", kReplacement + kReplacement},
        InvalidUtf8{"EncodedSurrogate", "\xED\xA0\x80", kReplacement + kReplacement + kReplacement},
        InvalidUtf8{"AboveUnicode", "\xF4\x90\x80\x80",
                    kReplacement + kReplacement + kReplacement + kReplacement},
        InvalidUtf8{"TruncatedAtEnd", "ok\xE2\x82", "ok" + kReplacement},
        InvalidUtf8{"TruncatedBeforeAscii", "\xE2\x82x", kReplacement + "x"},
        InvalidUtf8{"InvalidLead", "\xFF", kReplacement},
        InvalidUtf8{"ValidTextUnchanged", "a" + kEAcute + kAntenna, "a" + kEAcute + kAntenna}),
    [](const auto& info) { return info.param.name; });

TEST(Utf16ToUtf8, UnpairedSurrogatesBecomeReplacementCharacters) {
    EXPECT_EQ(utf16ToUtf8(std::u16string{u'a', 0xD83D, u'b'}), "a" + kReplacement + "b");
    EXPECT_EQ(utf16ToUtf8(std::u16string{0xDCF6, u'c'}), kReplacement + "c");
    EXPECT_EQ(utf16ToUtf8(std::u16string{u'x', 0xD83D}), "x" + kReplacement);
}

TEST(Utf16le, BytesAreLittleEndianWithOptionalNul) {
    EXPECT_EQ(utf16leBytes("A" + kEuro, false), (std::vector<std::uint8_t>{0x41, 0, 0xAC, 0x20}));
    EXPECT_EQ(utf16leBytes("A", true), (std::vector<std::uint8_t>{0x41, 0, 0, 0}));
    EXPECT_TRUE(utf16leBytes("", false).empty());
}

TEST(Utf16le, ReadingStopsAtTheFirstNulUnit) {
    std::vector<std::uint8_t> bytes{0x41, 0, 0x42, 0, 0, 0, 0x43, 0};
    EXPECT_EQ(utf8FromUtf16le(bytes), "AB");
}

TEST(Utf16le, AnOddTrailingByteIsInvalid) {
    std::vector<std::uint8_t> bytes{0x41, 0, 0x42};
    EXPECT_EQ(utf8FromUtf16le(bytes), "A" + kReplacement);
    std::vector<std::uint8_t> afterNul{0x41, 0, 0, 0, 0x42};
    EXPECT_EQ(utf8FromUtf16le(afterNul), "A");
}

TEST(Utf16le, RoundTripsAstralText) {
    std::string text = "ZLX " + kAntenna + " Office";
    EXPECT_EQ(utf8FromUtf16le(utf16leBytes(text, true)), text);
}

TEST(TruncateToUtf16Units, CountsUnitsNotBytes) {
    EXPECT_EQ(truncateToUtf16Units(kEAcute + kEuro + "abc", 3), kEAcute + kEuro + "a");
    EXPECT_EQ(truncateToUtf16Units("short", 10), "short");
    EXPECT_EQ(truncateToUtf16Units("abc", 0), "");
}

TEST(TruncateToUtf16Units, NeverSplitsASurrogatePair) {
    EXPECT_EQ(truncateToUtf16Units("a" + kAntenna, 2), "a");
    EXPECT_EQ(truncateToUtf16Units("a" + kAntenna, 3), "a" + kAntenna);
}

TEST(Utf16Length, CountsPairsAsTwoUnits) {
    EXPECT_EQ(utf16Length("a" + kEAcute + kAntenna), 4u);
    EXPECT_EQ(utf16Length(""), 0u);
}

TEST(ToLowerAscii, LeavesNonAsciiBytesAlone) {
    EXPECT_EQ(toLowerAscii("C:\\Program Files\\" + kEAcute + "X"),
              "c:\\program files\\" + kEAcute + "x");
}

// A name from the air can neither hide nor reorder what is shown around it.
TEST(DisplaySafeName, ControlsBidiAndInvalidBytesBecomeReplacementCharacters) {
    const std::string r = "\xEF\xBF\xBD";
    struct Case {
        std::string name;
        std::string shown;
    };
    const Case cases[] = {
        {"ZLX-Office", "ZLX-Office"},
        {"Caf" + kEAcute + " " + kAntenna, "Caf" + kEAcute + " " + kAntenna},
        {std::string("a\0b", 3), "a" + r + "b"},
        {"a\r\n\tb\x1B\x7F", "a" + r + r + r + "b" + r + r},
        {"\xC2\x9B", r},  // C1 CSI
        {"\xE2\x80\xAE"
         "evil\xE2\x80\xAC",
         r + "evil" + r},  // RLO ... PDF
        {"\xE2\x81\xA6\xE2\x81\xA9\xE2\x80\x8E\xE2\x80\x8F\xD8\x9C", r + r + r + r + r},
        {"\xE2\x80\x8B", "\xE2\x80\x8B"},  // zero width space is not a control
        {"\xFF\xC3(", r + r + "("},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(displaySafeName(c.name), c.shown) << escapeControls(c.name);
        EXPECT_EQ(displaySafeName(c.shown), c.shown) << "safe names stay as they are";
    }
}

// The console is written whole characters at a time: what a write ends in the middle of waits
// for the next one; bytes that can never finish a character go out as they are.
TEST(WholeUtf8Length, HoldsBackOnlyACharacterThatCanStillBeFinished) {
    const std::pair<std::string, std::size_t> cases[] = {
        {"", 0},
        {"ab", 2},
        {"a" + kEAcute, 3},
        {"a" + kEAcute.substr(0, 1), 1},
        {"a" + kEuro.substr(0, 2), 1},
        {"a" + kAntenna.substr(0, 3), 1},
        {kAntenna, 4},
        {"a\x80", 2},          // a continuation byte with no lead
        {"a\x80\x80\x80", 4},  // three of them: no lead could finish them
        {"a\xF8\x80", 3},      // no character starts with 0xF8
    };
    for (const auto& [bytes, whole] : cases) EXPECT_EQ(wholeUtf8Length(bytes), whole) << bytes;
}

// The fixed forms written without printf must read as printf's would.
TEST(AppendZeroPadded, WritesWhatPrintfWrites) {
    const long long values[] = {0,
                                7,
                                42,
                                123,
                                9999,
                                12345,
                                -1,
                                -42,
                                -12345,
                                std::numeric_limits<long long>::min(),
                                std::numeric_limits<long long>::max()};
    for (long long value : values) {
        for (int width : {1, 2, 3, 4}) {
            std::string ours = "x";
            appendZeroPadded(ours, value, width);
            char expected[48];
            std::snprintf(expected, sizeof expected, "x%0*lld", width, value);
            EXPECT_EQ(ours, expected) << value << " width " << width;
        }
    }
    std::string hex;
    const std::uint8_t bytes[] = {0x00, 0x1B, 0xFF, 0xA0};
    appendHexBytes(hex, bytes, '-');
    EXPECT_EQ(hex, "00-1B-FF-A0");
}

TEST(GeneralNumber, WritesWhatPrintfWritesInTheCLocale) {
    const double values[] = {0.0,
                             -0.0,
                             5.5,
                             -48.25,
                             0.1 + 0.2,
                             2.437,
                             123456.0,
                             1234567.0,
                             0.0001,
                             0.00001234,
                             1e300,
                             -1e-300,
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::denorm_min()};
    for (double value : values) {
        for (int digits : {4, 6}) {
            char expected[64];
            std::snprintf(expected, sizeof expected, "%.*g", digits, value);
            EXPECT_EQ(generalNumber(value, digits), expected) << value << " digits " << digits;
        }
    }
}

}  // namespace
}  // namespace zlx::platform
