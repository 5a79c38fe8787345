#include "platform/posix/saved_files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/temp_dir.h"

namespace zlx::platform::posix {
namespace {

namespace fs = std::filesystem;

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

mode_t modeOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

TEST(SavedFilesTest, ReplacesTheFileALinkPointsToAndKeepsItsPermissions) {
    zlx::testing::TempDir dir;
    std::string real = dir.file("real.txt"), link = dir.file("log.txt");
    std::ofstream(real) << "old";
    ASSERT_EQ(::chmod(real.c_str(), 0600), 0);
    fs::create_symlink("real.txt", link);  // relative, as users make them

    PosixSavedFiles files;
    std::string reason;
    ASSERT_TRUE(files.replaceFile(link, "new log", reason)) << reason;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contents(real), "new log");
    EXPECT_EQ(modeOf(real), 0600u);

    ASSERT_TRUE(files.replaceFile(dir.file("new.txt"), "fresh", reason)) << reason;
    EXPECT_EQ(modeOf(dir.file("new.txt")), 0644u);
    // real.txt, log.txt and new.txt: no temporary file is left.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 3);
}

TEST(SavedFilesTest, RefusesFoldersAndLinkLoopsWithAReasonAndLeavesNothingBehind) {
    zlx::testing::TempDir dir;
    fs::create_directory(dir.file("sub"));
    fs::create_symlink("b", dir.file("a"));
    fs::create_symlink("a", dir.file("b"));
    const std::pair<std::string, std::string> cases[] = {
        {dir.path() + "/", "the name ends with \"/\", so it names a folder, not a file"},
        {dir.file("sub"), "it is a folder"},
        {dir.file("a"), std::strerror(ELOOP)},
        {dir.file("missing/log.txt"), std::strerror(ENOENT)},
    };
    PosixSavedFiles files;
    for (const auto& [path, expected] : cases) {
        std::string reason;
        EXPECT_FALSE(files.replaceFile(path, "log", reason)) << path;
        EXPECT_EQ(reason, expected) << path;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 3);
}

}  // namespace
}  // namespace zlx::platform::posix
