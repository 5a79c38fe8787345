#include <gtest/gtest.h>

#include "platform/host.h"
#include "platform/named_mutex_holder.h"
#include "platform/process_local_objects.h"

#include <thread>

namespace zlx::platform {
namespace {

// The same cases on the system's named mutexes, in a scope of their own, and on those that live
// in this process alone.
struct NativeMutexes {
    host::PrivateInstanceScope scope;
    ManualClock clock;
    host::NativeNamedMutexes mutexes{scope.path(), clock};
};

struct ProcessLocalMutexes {
    ManualClock clock;
    ProcessLocalNamedMutexes mutexes{clock};
};

template <typename Side>
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

    Side side_;
    ManualClock& clock_ = side_.clock;
    NamedMutexes& mutexes_ = side_.mutexes;
};

using Sides = ::testing::Types<NativeMutexes, ProcessLocalMutexes>;
TYPED_TEST_SUITE(NamedMutexHolderTest, Sides);

TYPED_TEST(NamedMutexHolderTest, HoldsUntilItsTimeOnTheClock) {
    NamedMutexHolder holder(this->mutexes_, "NORVANE_NIC_MUTEX", this->clock_, 3000);
    EXPECT_TRUE(holder.holding());
    EXPECT_FALSE(this->free());
    this->clock_.advanceTo(2999, {});
    EXPECT_TRUE(holder.holding());
    EXPECT_FALSE(this->free());
    this->clock_.advanceTo(3000, {});
    // The clock settles only once the release took effect.
    EXPECT_FALSE(holder.holding());
    EXPECT_TRUE(this->free());
}

TYPED_TEST(NamedMutexHolderTest, LetsGoWhenDestroyedEarly) {
    {
        NamedMutexHolder holder(this->mutexes_, "NORVANE_NIC_MUTEX", this->clock_, 60000);
        EXPECT_FALSE(this->free());
    }
    EXPECT_TRUE(this->free());
    this->clock_.advanceTo(60000, {});  // the cancelled release does nothing
    EXPECT_TRUE(this->free());
}

TYPED_TEST(NamedMutexHolderTest, HoldsNothingWhenSomeoneElseHasTheMutex) {
    auto first = this->mutexes_.create("NORVANE_NIC_MUTEX");
    ASSERT_EQ(first->wait(0), kWaitObject0);
    NamedMutexHolder holder(this->mutexes_, "NORVANE_NIC_MUTEX", this->clock_, 1000);
    EXPECT_FALSE(holder.holding());
    this->clock_.advanceTo(1000, {});
    EXPECT_FALSE(this->free());  // still the first owner's
    first->release();
    EXPECT_TRUE(this->free());
}

TYPED_TEST(NamedMutexHolderTest, AWaitOnTheClocksOwnThreadMovesTheClock) {
    NamedMutexHolder holder(this->mutexes_, "NORVANE_NIC_MUTEX", this->clock_, 700);
    auto mutex = this->mutexes_.create("NORVANE_NIC_MUTEX");
    EXPECT_EQ(mutex->wait(300), kWaitTimeout);
    EXPECT_EQ(this->clock_.now(), 300);
    EXPECT_EQ(mutex->wait(2000), kWaitObject0);
    EXPECT_EQ(this->clock_.now(), 700);
    mutex->release();
}

}  // namespace
}  // namespace zlx::platform
