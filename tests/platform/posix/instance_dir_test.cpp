#include "platform/posix/instance_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/posix/single_instance.h"
#include "support/environment.h"
#include "support/temp_dir.h"

namespace zlx::platform::posix {
namespace {

using ::testing::HasSubstr;
using zlx::testing::TempDir;

std::string refusal(const std::string& path) {
    try {
        privateFolder(path);
    } catch (const InstanceError& e) {
        return e.what();
    }
    return "(trusted)";
}

// A folder in /tmp that anybody could have made first is used only when it is ours alone.
TEST(InstanceFolderTest, OnlyAPrivateFolderOfThisUserIsTrusted) {
    TempDir dir;
    std::string fresh = dir.file("fresh");
    EXPECT_EQ(refusal(fresh), "(trusted)");
    struct stat info {};
    ASSERT_EQ(::stat(fresh.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0700u);

    std::string open = dir.file("open");
    ASSERT_EQ(::mkdir(open.c_str(), 0700), 0);
    ASSERT_EQ(::chmod(open.c_str(), 0755), 0);
    EXPECT_THAT(refusal(open), HasSubstr("has mode 0755 instead of 0700"));

    std::string link = dir.file("link");
    ASSERT_EQ(::symlink(fresh.c_str(), link.c_str()), 0);
    EXPECT_THAT(refusal(link), HasSubstr("is a symbolic link"));

    std::string file = dir.file("file");
    ASSERT_EQ(::close(::creat(file.c_str(), 0600)), 0);
    EXPECT_THAT(refusal(file), HasSubstr("is not a folder"));

    EXPECT_THAT(refusal(dir.file("no/such/parent")), HasSubstr("cannot be created"));

    // In a folder everybody may write to, only a sticky one keeps others from replacing it.
    std::string shared = dir.file("shared");
    ASSERT_EQ(::mkdir(shared.c_str(), 0700), 0);
    ASSERT_EQ(::chmod(shared.c_str(), 0777), 0);
    EXPECT_THAT(refusal(shared + "/zlxdiag"),
                HasSubstr("is in a folder that everybody may write to and that is not sticky"));
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    EXPECT_EQ(refusal(shared + "/zlxdiag"), "(trusted)");
}

TEST(InstanceFolderTest, AFolderOfAnotherUserIsRefused) {
    if (::getuid() != 0) GTEST_SKIP() << "only root can give a folder to another user";
    TempDir dir;
    std::string theirs = dir.file("theirs");
    ASSERT_EQ(::mkdir(theirs.c_str(), 0700), 0);
    ASSERT_EQ(::chown(theirs.c_str(), 65534, 65534), 0);
    EXPECT_THAT(refusal(theirs), HasSubstr("belongs to user 65534, not to this user (0)"));
}

// A folder named by the environment may come from somebody else: it is checked like the
// shared fallback, whichever variable names it.
TEST(InstanceFolderTest, AFolderNamedByTheEnvironmentIsCheckedAlike) {
    auto saved = [](const char* name) {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    const auto instanceBefore = saved("ZLXDIAG_INSTANCE_DIR"),
               runtimeBefore = saved("XDG_RUNTIME_DIR");
    TempDir dir;
    std::string open = dir.file("open"), runtime = dir.file("runtime"), fresh = dir.file("fresh");
    ASSERT_EQ(::mkdir(open.c_str(), 0777), 0);
    ASSERT_EQ(::chmod(open.c_str(), 0777), 0);
    ASSERT_EQ(::mkdir(runtime.c_str(), 0700), 0);
    std::string runtimeOpen = runtime + "/zlxdiag";
    ASSERT_EQ(::mkdir(runtimeOpen.c_str(), 0700), 0);
    ASSERT_EQ(::chmod(runtimeOpen.c_str(), 0777), 0);
    const struct {
        const char* instanceDir;  // nullptr: unset
        std::string runtimeDir;
        std::string expected;
    } cases[] = {
        {"/etc/passwd", "", "is not a folder"},
        {open.c_str(), "", "has mode 0777 instead of 0700"},
        {nullptr, runtime, "has mode 0777 instead of 0700"},
        {fresh.c_str(), "", "(trusted)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.instanceDir ? c.instanceDir : c.runtimeDir);
        if (c.instanceDir)
            zlx::testing::setEnvironment("ZLXDIAG_INSTANCE_DIR", c.instanceDir);
        else
            zlx::testing::unsetEnvironment("ZLXDIAG_INSTANCE_DIR");
        zlx::testing::setEnvironment("XDG_RUNTIME_DIR", c.runtimeDir);
        std::string outcome = "(trusted)";
        try {
            instanceDirectory();
        } catch (const InstanceError& e) {
            outcome = e.what();
        }
        EXPECT_THAT(outcome, HasSubstr(c.expected));
    }
    for (const auto& [name, value] :
         {std::pair{"ZLXDIAG_INSTANCE_DIR", instanceBefore}, {"XDG_RUNTIME_DIR", runtimeBefore}}) {
        if (value)
            zlx::testing::setEnvironment(name, *value);
        else
            zlx::testing::unsetEnvironment(name);
    }
}

// Without its lock nobody can tell whether another copy runs: that is reported.
TEST(InstanceFolderTest, ALockThatCannotBeOpenedIsAnError) {
    TempDir dir;
    std::string lock = dir.file("{guid}.lock");
    ASSERT_EQ(::symlink("/nonexistent/target", lock.c_str()), 0);  // O_NOFOLLOW refuses it
    PosixSingleInstance instance("{guid}", dir.path());
    try {
        instance.createMutex();
        FAIL() << "a lock that cannot be opened was taken";
    } catch (const InstanceError& e) {
        EXPECT_THAT(e.what(), HasSubstr("the lock " + lock + " cannot be opened"));
    }
}

}  // namespace
}  // namespace zlx::platform::posix
