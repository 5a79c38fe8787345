#include "platform/local_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/temp_dir.h"

namespace zlx::platform {
namespace {

std::filesystem::path utf8Path(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

// Names in any language are found, whatever the code page of the system's narrow calls.
TEST(LocalFilesTest, ReadsFilesFoldersAndMissingNamesByTheirUtf8Paths) {
    zlx::testing::TempDir dir;
    std::string folder = dir.path() + "/\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E";  // 日本語
    std::filesystem::create_directory(utf8Path(folder));
    std::ofstream(utf8Path(folder + "/t\xC3\xA9st.script"), std::ios::binary) << "tab 1\r\n\0x";

    struct Case {
        std::string path;
        LocalFileRead::Status status;
        std::string bytes;
    };
    const Case cases[] = {
        {folder + "/t\xC3\xA9st.script", LocalFileRead::Status::Read, "tab 1\r\n"},
        {folder, LocalFileRead::Status::Folder, ""},
        {folder + "/missing.script", LocalFileRead::Status::Unreadable, ""},
    };
    for (const auto& c : cases) {
        LocalFileRead read = readLocalFile(c.path);
        EXPECT_EQ(read.status, c.status) << c.path;
        EXPECT_EQ(read.bytes, c.bytes) << c.path;
        EXPECT_EQ(read.reason.empty(), c.status != LocalFileRead::Status::Unreadable) << c.path;
    }
}

}  // namespace
}  // namespace zlx::platform
