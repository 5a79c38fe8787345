#include <gtest/gtest.h>

#include "platform/host.h"
#include "platform/named_mutex_holder.h"

#include <thread>

namespace zlx::platform {
namespace {

class NamedMutexHolderTest : public ::testing::Test {
  protected:
    // Asked from a thread of its own: a Windows mutex is owned by a thread, and the test's own
    // thread may hold it.
    bool free() {
        bool taken = false;
        std::thread([&] {
            auto mutex = mutexes_.create("NORVANE_NIC_MUTEX");
            taken = mutex->wait(0) == kWaitObject0;
            if (taken) mutex->release();
        }).join();
        return taken;
    }

    host::PrivateInstanceScope scope_;
    ManualClock clock_;
    host::NativeNamedMutexes mutexes_{scope_.path(), clock_};
};

TEST_F(NamedMutexHolderTest, HoldsUntilItsTimeOnTheClock) {
    NamedMutexHolder holder(mutexes_, "NORVANE_NIC_MUTEX", clock_, 3000);
    EXPECT_TRUE(holder.holding());
    EXPECT_FALSE(free());
    clock_.advanceTo(2999, {});
    EXPECT_TRUE(holder.holding());
    EXPECT_FALSE(free());
    clock_.advanceTo(3000, {});
    // The clock settles only once the release took effect.
    EXPECT_FALSE(holder.holding());
    EXPECT_TRUE(free());
}

TEST_F(NamedMutexHolderTest, LetsGoWhenDestroyedEarly) {
    {
        NamedMutexHolder holder(mutexes_, "NORVANE_NIC_MUTEX", clock_, 60000);
        EXPECT_FALSE(free());
    }
    EXPECT_TRUE(free());
    clock_.advanceTo(60000, {});  // the cancelled release does nothing
    EXPECT_TRUE(free());
}

TEST_F(NamedMutexHolderTest, HoldsNothingWhenSomeoneElseHasTheMutex) {
    auto first = mutexes_.create("NORVANE_NIC_MUTEX");
    ASSERT_EQ(first->wait(0), kWaitObject0);
    NamedMutexHolder holder(mutexes_, "NORVANE_NIC_MUTEX", clock_, 1000);
    EXPECT_FALSE(holder.holding());
    clock_.advanceTo(1000, {});
    EXPECT_FALSE(free());  // still the first owner's
    first->release();
    EXPECT_TRUE(free());
}

TEST_F(NamedMutexHolderTest, AWaitOnTheClocksOwnThreadMovesTheClock) {
    NamedMutexHolder holder(mutexes_, "NORVANE_NIC_MUTEX", clock_, 700);
    auto mutex = mutexes_.create("NORVANE_NIC_MUTEX");
    EXPECT_EQ(mutex->wait(300), kWaitTimeout);
    EXPECT_EQ(clock_.now(), 300);
    EXPECT_EQ(mutex->wait(2000), kWaitObject0);
    EXPECT_EQ(clock_.now(), 700);
    mutex->release();
}

}  // namespace
}  // namespace zlx::platform
