#include "platform/posix/single_instance.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <atomic>
#include <filesystem>

#include "platform/clock.h"
#include "platform/posix/named_mutex.h"
#include "support/temp_dir.h"

namespace zlx::platform::posix {
namespace {

using zlx::testing::TempDir;

TEST(SingleInstanceTest, SecondCopyFindsTheMutexTakenUntilTheFirstReleasesIt) {
    TempDir dir;
    PosixSingleInstance first("{guid}", dir.path()), second("{guid}", dir.path());
    EXPECT_TRUE(first.createMutex());
    EXPECT_FALSE(second.createMutex());
    first.releaseMutex();
    EXPECT_TRUE(second.createMutex());
}

TEST(SingleInstanceTest, SharedValueIsSeenByEveryCopyAndZeroForANewFirstCopy) {
    TempDir dir;
    {
        PosixSingleInstance first("{guid}", dir.path());
        ASSERT_TRUE(first.createMutex());
        first.writeSharedMainWindow(0x1234);
        PosixSingleInstance second("{guid}", dir.path());
        EXPECT_EQ(second.readSharedMainWindow(), 0x1234u);
    }
    PosixSingleInstance next("{guid}", dir.path());
    ASSERT_TRUE(next.createMutex());
    EXPECT_EQ(next.readSharedMainWindow(), 0u);
}

TEST(SingleInstanceTest, ActivationRequestReachesTheHolderBeforeTheRequestReturns) {
    TempDir dir;
    PosixSingleInstance first("{guid}", dir.path()), second("{guid}", dir.path());
    ASSERT_TRUE(first.createMutex());
    std::atomic<std::uint64_t> asked{0};
    first.setActivationHandler([&](std::uint64_t window) { asked = window; });
    EXPECT_TRUE(second.requestActivation(77));
    EXPECT_EQ(asked.load(), 77u);
    first.setActivationHandler(nullptr);
    EXPECT_FALSE(second.requestActivation(78));  // nobody listens any more
}

TEST(SingleInstanceTest, CrashedHolderDoesNotBlockLaterCopies) {
    TempDir dir;
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        PosixSingleInstance holder("{guid}", dir.path());
        bool took = holder.createMutex();
        holder.setActivationHandler([](std::uint64_t) {});
        ::_exit(took ? 0 : 1);  // ends without releasing anything, as a crash would
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    PosixSingleInstance next("{guid}", dir.path());
    EXPECT_TRUE(next.createMutex());
    std::atomic<bool> asked{false};
    next.setActivationHandler([&](std::uint64_t) { asked = true; });  // over the stale socket
    PosixSingleInstance later("{guid}", dir.path());
    EXPECT_TRUE(later.requestActivation(1));
    EXPECT_TRUE(asked.load());
    next.setActivationHandler(nullptr);
}

// A link planted where a mutex's file goes is not followed: the file it names is not made.
TEST(SingleInstanceTest, ANamedMutexDoesNotFollowALinkInItsPlace) {
    TempDir dir;
    std::filesystem::create_symlink(dir.file("elsewhere"), dir.file("Global_NIC.mutex"));
    ManualClock clock;
    PosixNamedMutexes mutexes(dir.path(), clock);
    auto mutex = mutexes.create("Global/NIC");
    EXPECT_EQ(mutex->wait(0), kWaitTimeout);
    EXPECT_FALSE(std::filesystem::exists(dir.file("elsewhere")));
}

}  // namespace
}  // namespace zlx::platform::posix
