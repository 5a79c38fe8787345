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

// Reached in the extended form, which has no MAX_PATH limit: the ordinary one fails past it.
fs::path extended(const std::string& utf8) {
    std::wstring path = toWide(utf8);
    std::wstring full(::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr), L'\0');
    full.resize(::GetFullPathNameW(path.c_str(), DWORD(full.size()), full.data(), nullptr));
    return fs::path(L"\\\\?\\" + full);
}

std::string contents(const std::string& path) {
    std::ifstream in(extended(path), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::ptrdiff_t entries(const std::string& folder) {
    return std::distance(fs::directory_iterator(extended(folder)), fs::directory_iterator());
}

TEST(Win32SavedFilesTest, ReplacesTheFileUnderJapaneseAndOverlongNames) {
    zlx::testing::TempDir dir;
    const std::string longName(120, 'x');
    const std::string folders[] = {
        dir.file("\xE8\xA8\xBA\xE6\x96\xAD"),                  // 診断
        dir.file(longName) + "/" + longName + "/" + longName,  // past MAX_PATH with its file
    };
    for (const std::string& folder : folders) {
        std::string log = folder + "/\xE3\x83\xAD\xE3\x82\xB0.txt";  // ログ.txt
        fs::create_directories(extended(folder));
        Win32SavedFiles files;
        std::string reason;
        ASSERT_TRUE(files.replaceFile(log, "first", reason)) << reason;
        ASSERT_TRUE(files.replaceFile(log, std::string("second\0\r\n", 9), reason)) << reason;
        EXPECT_EQ(contents(log), std::string("second\0\r\n", 9));
        // The one file there, no temporary one left, under its name in UTF-16.
        ASSERT_EQ(entries(folder), 1);
        EXPECT_EQ(fs::directory_iterator(extended(folder))->path().filename().wstring(),
                  L"\u30ED\u30B0.txt");
    }
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
