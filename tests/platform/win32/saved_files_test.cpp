#include "platform/win32/saved_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/win32/wide_text.h"
#include "support/temp_dir.h"

namespace zlx::platform::win32 {
namespace {

namespace fs = std::filesystem;

fs::path widePath(const std::string& utf8) {
    return fs::path(toWide(utf8));
}

std::string contents(const std::string& path) {
    std::ifstream in(widePath(path), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::ptrdiff_t entries(const std::string& folder) {
    return std::distance(fs::directory_iterator(widePath(folder)), fs::directory_iterator());
}

TEST(Win32SavedFilesTest, ReplacesTheFileAndWorksUnderJapaneseNames) {
    zlx::testing::TempDir dir;
    std::string folder = dir.file("\xE8\xA8\xBA\xE6\x96\xAD");   // 診断
    std::string log = folder + "/\xE3\x83\xAD\xE3\x82\xB0.txt";  // ログ.txt
    fs::create_directory(widePath(folder));
    Win32SavedFiles files;
    std::string reason;
    ASSERT_TRUE(files.replaceFile(log, "first", reason)) << reason;
    ASSERT_TRUE(files.replaceFile(log, std::string("second\0\r\n", 9), reason)) << reason;
    EXPECT_EQ(contents(log), std::string("second\0\r\n", 9));
    // The one file there, no temporary one left, under its name in UTF-16.
    ASSERT_EQ(entries(folder), 1);
    EXPECT_EQ(fs::directory_iterator(widePath(folder))->path().filename().wstring(),
              L"\u30ED\u30B0.txt");
}

TEST(Win32SavedFilesTest, AFailedSaveKeepsTheOldFileAndSaysWhy) {
    zlx::testing::TempDir dir;
    fs::create_directory(dir.file("sub"));
    std::string locked = dir.file("open.txt");
    std::ofstream(locked) << "old";
    // Open elsewhere without leave to delete it, as a viewer holding the log would have it.
    HANDLE holder = ::CreateFileW(toWide(locked).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    const std::string trailing =
        "the name ends with \"\\\" or \"/\", so it names a folder, not a file";
    const std::pair<std::string, std::string> cases[] = {
        {"", trailing},
        {dir.path() + "/", trailing},
        {dir.path() + "\\", trailing},
        {dir.file("sub"), "it is a folder"},
        {"NUL", "it is not a regular file (a device, a pipe or a socket)"},
        {dir.file("missing/log.txt"), ""},  // the system's own words
        {locked, ""},
    };
    Win32SavedFiles files;
    for (const auto& [path, expected] : cases) {
        std::string reason;
        EXPECT_FALSE(files.replaceFile(path, "log", reason)) << path;
        if (expected.empty()) {
            EXPECT_FALSE(reason.empty()) << path;
            EXPECT_THAT(reason, ::testing::Not(::testing::EndsWith("."))) << path;
            EXPECT_THAT(reason, ::testing::Not(::testing::EndsWith("\n"))) << path;
        } else {
            EXPECT_EQ(reason, expected) << path;
        }
    }
    EXPECT_EQ(entries(dir.path()), 2);  // sub and open.txt: no temporary file is left
    ::CloseHandle(holder);
    EXPECT_EQ(contents(locked), "old");
}

}  // namespace
}  // namespace zlx::platform::win32
