// The code pages of a Windows machine set up for Western Europe and the US (ANSI 1252, OEM
// 437, as the test prefix is): what the simulated machine, which is UTF-8, cannot show.

#include <gtest/gtest.h>

#include <windows.h>

#include "platform/win32/win32_system.h"

namespace zlx::platform::win32 {
namespace {

TEST(Win32CodePagesTest, BytesOfTheMachinesCodePagesAndTheirDefaultCharacter) {
    ASSERT_EQ(::GetACP(), 1252u);
    ASSERT_EQ(::GetOEMCP(), 437u);
    Win32CodePages pages;
    EXPECT_EQ(pages.ansiToUtf8("caf\xe9 \x80"), "café €");
    EXPECT_EQ(pages.oemToUtf8("caf\x82 \xb0"), "café ░");
    EXPECT_EQ(pages.utf8ToAnsi("café €"), "caf\xe9 \x80");
    EXPECT_EQ(pages.utf8ToAnsi("日本"), "??");
    EXPECT_EQ(pages.utf8ToAnsi("a\xff"), "a?") << "invalid UTF-8 reads as U+FFFD";
}

}  // namespace
}  // namespace zlx::platform::win32
