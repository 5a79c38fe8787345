#include "platform/win32/wide_text.h"

#include <gtest/gtest.h>

namespace zlx::platform::win32 {
namespace {

TEST(WideTextTest, ValidTextMakesTheRoundTripUnchanged) {
    const std::pair<std::string, std::wstring> cases[] = {
        {"", L""},
        {"Wi-Fi", L"Wi-Fi"},
        {std::string("a\0b", 3), std::wstring(L"a\0b", 3)},  // a count, not a terminator
        {"\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E", L"\u65E5\u672C\u8A9E"},
        {"\xF0\x9F\x93\xB6", L"\xD83D\xDCF6"},  // beyond the BMP: a surrogate pair
    };
    for (const auto& [utf8, wide] : cases) {
        EXPECT_EQ(toWide(utf8), wide) << utf8;
        EXPECT_EQ(fromWide(wide), utf8) << utf8;
    }
}

TEST(WideTextTest, InvalidInputBecomesTheReplacementCharacter) {
    const std::pair<std::string, std::wstring> narrow[] = {
        {"a\xFF"
         "b",
         L"a\xFFFD"
         L"b"},
        {"a\xC3", L"a\xFFFD"},  // cut off in the middle of a sequence
    };
    for (const auto& [utf8, wide] : narrow) EXPECT_EQ(toWide(utf8), wide) << utf8;

    const std::pair<std::wstring, std::string> wideCases[] = {
        {L"\xD800", "\xEF\xBF\xBD"},
        {L"a\xDC00"
         L"b",
         "a\xEF\xBF\xBD"
         "b"},
    };
    for (const auto& [wide, utf8] : wideCases) EXPECT_EQ(fromWide(wide), utf8);
}

}  // namespace
}  // namespace zlx::platform::win32
