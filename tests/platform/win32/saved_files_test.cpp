#include "platform/win32/saved_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/win32/wide_text.h"
#include "support/temp_dir.h"

namespace zlx::platform::win32 {
namespace {

namespace fs = std::filesystem;

// Reached through Win32 in the extended form, which has no MAX_PATH limit: the ordinary form,
// and std::filesystem with either, fail past it.
std::wstring extended(const std::string& utf8) {
    std::wstring path = toWide(utf8);
    std::wstring full(::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr), L'\0');
    full.resize(::GetFullPathNameW(path.c_str(), DWORD(full.size()), full.data(), nullptr));
    return L"\\\\?\\" + full;
}

void makeFolders(const std::string& folder) {
    std::wstring path = extended(folder);
    for (std::size_t at = path.find(L'\\', 7); at != std::wstring::npos;
         at = path.find(L'\\', at + 1))
        ::CreateDirectoryW(path.substr(0, at).c_str(), nullptr);
    ::CreateDirectoryW(path.c_str(), nullptr);
}

std::string contents(const std::string& path) {
    HANDLE file = ::CreateFileW(extended(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "(cannot be opened)";
    std::string bytes(4096, '\0');
    DWORD read = 0;
    ::ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr);
    ::CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

std::vector<std::wstring> names(const std::string& folder) {
    std::vector<std::wstring> found;
    WIN32_FIND_DATAW data;
    HANDLE search = ::FindFirstFileW((extended(folder) + L"\\*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return found;
    do {
        std::wstring name = data.cFileName;
        if (name != L"." && name != L"..") found.push_back(name);
    } while (::FindNextFileW(search, &data));
    ::FindClose(search);
    return found;
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
        makeFolders(folder);
        Win32SavedFiles files;
        std::string reason;
        ASSERT_TRUE(files.replaceFile(log, "first", reason)) << reason;
        ASSERT_TRUE(files.replaceFile(log, std::string("second\0\r\n", 9), reason)) << reason;
        EXPECT_EQ(contents(log), std::string("second\0\r\n", 9));
        // The one file there, no temporary one left, under its name in UTF-16.
        EXPECT_EQ(names(folder), std::vector<std::wstring>{L"\u30ED\u30B0.txt"});
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
    EXPECT_EQ(names(dir.path()).size(), 2u);  // sub and open.txt: no temporary file is left
    ::CloseHandle(holder);
    EXPECT_EQ(contents(locked), "old");
}

}  // namespace
}  // namespace zlx::platform::win32
