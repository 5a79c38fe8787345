#include "platform/posix/saved_files.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
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

    // real.txt and log.txt: no temporary file is left.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}

// The umask decides a new file's permissions; a replaced file of the user's keeps its own but
// never a set-user-ID or set-group-ID bit.
TEST(SavedFilesTest, PermissionsFollowTheUmaskAndDropSetIdBits) {
    struct Case {
        mode_t umask;
        std::optional<mode_t> existing;  // none: a new file
        mode_t expected;
    };
    const Case cases[] = {
        {077, std::nullopt, 0600}, {022, std::nullopt, 0644}, {002, std::nullopt, 0664},
        {077, 0640, 0640},         {022, 06755, 0755},        {022, 01777 | 06000, 01777},
    };
    PosixSavedFiles files;
    for (const Case& c : cases) {
        zlx::testing::TempDir dir;
        std::string path = dir.file("ZLXDiagnosticLog.txt");
        if (c.existing) {
            std::ofstream(path) << "old";
            ASSERT_EQ(::chmod(path.c_str(), *c.existing), 0);
        }
        mode_t before = ::umask(c.umask);
        std::string reason;
        bool saved = files.replaceFile(path, "log", reason);
        ::umask(before);
        ASSERT_TRUE(saved) << reason;
        EXPECT_EQ(modeOf(path), c.expected) << std::oct << c.umask << " " << c.expected;
    }
}

TEST(SavedFilesTest, RefusesFoldersAndLinkLoopsWithAReasonAndLeavesNothingBehind) {
    zlx::testing::TempDir dir;
    fs::create_directory(dir.file("sub"));
    fs::create_symlink("b", dir.file("a"));
    fs::create_symlink("a", dir.file("b"));
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    fs::create_symlink("/dev/full", dir.file("full"));
    const std::string notRegular = "it is not a regular file (a device, a pipe or a socket)";
    const std::pair<std::string, std::string> cases[] = {
        {dir.path() + "/", "the name ends with \"/\", so it names a folder, not a file"},
        {dir.file("sub"), "it is a folder"},
        {dir.file("fifo"), notRegular},
        {dir.file("full"), notRegular},
        {"/dev/null", notRegular},
        {dir.file("a"), std::strerror(ELOOP)},
        {dir.file("missing/log.txt"), std::strerror(ENOENT)},
    };
    PosixSavedFiles files;
    for (const auto& [path, expected] : cases) {
        std::string reason;
        EXPECT_FALSE(files.replaceFile(path, "log", reason)) << path;
        EXPECT_EQ(reason, expected) << path;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 5);
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

// In a sticky folder everybody may write to (/tmp), a link another user planted is not
// followed, as the kernel would not follow it: the save would overwrite a file of their choice.
TEST(SavedFilesTest, ALinkOfAnotherUserInASharedFolderIsNotFollowed) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a link to another user";
    zlx::testing::TempDir dir;
    std::string victim = dir.file("victim.txt"), shared = dir.file("shared");
    std::ofstream(victim) << "secret";
    ASSERT_EQ(::mkdir(shared.c_str(), 0777), 0);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    std::string planted = shared + "/ZLXDiagnosticLog.txt", own = shared + "/own.txt";
    fs::create_symlink(victim, planted);
    fs::create_symlink(victim, own);
    ASSERT_EQ(::lchown(planted.c_str(), 65534, 65534), 0);

    PosixSavedFiles files;
    std::string reason;
    EXPECT_FALSE(files.replaceFile(planted, "log", reason));
    EXPECT_EQ(reason, "it is a link made by another user in a folder everybody may write to");
    EXPECT_EQ(contents(victim), "secret");
    ASSERT_TRUE(files.replaceFile(own, "log", reason)) << reason;  // the user's own link
    EXPECT_EQ(contents(victim), "log");
}

// In a shared sticky folder a file of another user is not replaced: the save would keep that
// user's ownership and mode, handing them the log.
TEST(SavedFilesTest, AFileOfAnotherUserInASharedFolderIsNotReplaced) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
    zlx::testing::TempDir dir;
    std::string shared = dir.file("shared");
    ASSERT_EQ(::mkdir(shared.c_str(), 0777), 0);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    std::string planted = shared + "/ZLXDiagnosticLog.txt";
    std::ofstream(planted) << "planted";
    ASSERT_EQ(::chown(planted.c_str(), 65534, 65534), 0);
    ASSERT_EQ(::chmod(planted.c_str(), 06777), 0);

    PosixSavedFiles files;
    std::string reason;
    EXPECT_FALSE(files.replaceFile(planted, "root's log", reason));
    EXPECT_EQ(reason, "it belongs to another user in a folder everybody may write to");
    EXPECT_EQ(contents(planted), "planted");
    // A file of the folder's owner is theirs to hand out: it is replaced, without its set-ID
    // bits.
    ASSERT_EQ(::chown(shared.c_str(), 65534, 65534), 0);
    ASSERT_TRUE(files.replaceFile(planted, "root's log", reason)) << reason;
    EXPECT_EQ(modeOf(planted), 0777u);
}

// A save killed part-way leaves its temporary; the next save to the folder removes it, but not
// the temporary of a save still running (it holds the lock) nor a file of another name.
TEST(SavedFilesTest, TheNextSaveRemovesTemporariesOfKilledSaves) {
    zlx::testing::TempDir dir;
    std::ofstream(dir.file(".zlxdiag-save-dead01")) << "half a log";
    std::ofstream(dir.file(".zlxdiag-save-live01")) << "being written";
    std::ofstream(dir.file("notes.txt")) << "mine";
    int live = ::open(dir.file(".zlxdiag-save-live01").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(live, LOCK_EX), 0);

    PosixSavedFiles files;
    std::string reason;
    ASSERT_TRUE(files.replaceFile(dir.file("log.txt"), "log", reason)) << reason;
    ::close(live);
    EXPECT_FALSE(fs::exists(dir.file(".zlxdiag-save-dead01")));
    EXPECT_TRUE(fs::exists(dir.file(".zlxdiag-save-live01")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 3);
}

}  // namespace
}  // namespace zlx::platform::posix
