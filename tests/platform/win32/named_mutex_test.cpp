#include "platform/win32/named_mutex.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include <windows.h>

#include "platform/win32/instance_scope.h"
#include "platform/win32/wide_text.h"

namespace zlx::platform::win32 {
namespace {

// A Win32 mutex belongs to the thread that took it, so contention needs another thread: this
// one takes the mutex at once and lets it go when told.
class OtherThreadHolder {
  public:
    OtherThreadHolder(NamedMutexes& mutexes, const std::string& name) {
        thread_ = std::thread([this, &mutexes, name] {
            auto mutex = mutexes.create(name);
            std::unique_lock lock(mutex_);
            took_ = mutex->wait(0);
            changed_.notify_all();
            changed_.wait(lock, [&] { return releasing_; });
            mutex->release();
            released_ = true;
            changed_.notify_all();
        });
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return took_.has_value(); });
    }
    ~OtherThreadHolder() {
        release();
        thread_.join();
    }
    std::uint32_t took() const { return *took_; }
    // Returns once the mutex is free.
    void release() {
        std::unique_lock lock(mutex_);
        releasing_ = true;
        changed_.notify_all();
        changed_.wait(lock, [&] { return released_; });
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<std::uint32_t> took_;
    bool releasing_ = false;
    bool released_ = false;
    std::thread thread_;
};

class Win32NamedMutexTest : public ::testing::Test {
  protected:
    PrivateInstanceScope scope_;
    ManualClock clock_;
    Win32NamedMutexes mutexes_{scope_.path(), clock_};
};

// The wait polls through the clock: the manual clock alone decides when it times out, and a
// waiter takes the mutex at the first poll after its holder let go.
TEST_F(Win32NamedMutexTest, AWaitEndsByTheClockOrWhenTheHolderLetsGo) {
    struct Case {
        std::uint32_t timeoutMs;
        std::optional<Millis> releaseAt;
        std::uint32_t result;
        Millis endsAt;
    };
    const Case cases[] = {
        {0, std::nullopt, kWaitTimeout, 0},
        {120, std::nullopt, kWaitTimeout, 120},
        {200, 100, kWaitObject0, 100},
        {200, 60, kWaitObject0, 100},
    };
    for (const Case& c : cases) {
        std::string name = "NORVANE\\NIC";  // a backslash a kernel-object name may not hold
        OtherThreadHolder holder(mutexes_, name);
        ASSERT_EQ(holder.took(), kWaitObject0);
        Millis start = clock_.now();
        if (c.releaseAt) clock_.schedule(start + *c.releaseAt, [&] { holder.release(); });
        auto waiter = mutexes_.create(name);
        EXPECT_EQ(waiter->wait(c.timeoutMs), c.result) << c.timeoutMs;
        EXPECT_EQ(clock_.now() - start, c.endsAt) << c.timeoutMs;
        waiter->release();
    }
}

TEST_F(Win32NamedMutexTest, AMutexWhoseOwnerEndedIsAbandonedAndThenHeld) {
    // The object outlives its thread, which ends holding the mutex, as a crashed tool would.
    std::unique_ptr<NamedMutex> ended;
    std::thread([&] {
        ended = mutexes_.create("M");
        ASSERT_EQ(ended->wait(0), kWaitObject0);
    }).join();
    auto next = mutexes_.create("M");
    EXPECT_EQ(next->wait(0), kWaitAbandoned);
    std::uint32_t other = 0;
    std::thread([&] { other = mutexes_.create("M")->wait(0); }).join();
    EXPECT_EQ(other, kWaitTimeout);
    next->release();
    std::thread([&] { other = mutexes_.create("M")->wait(0); }).join();
    EXPECT_EQ(other, kWaitObject0);
}

TEST_F(Win32NamedMutexTest, ScopesKeepTheirMutexesApart) {
    PrivateInstanceScope otherScope;
    Win32NamedMutexes others(otherScope.path(), clock_);
    OtherThreadHolder holder(mutexes_, "M");
    ASSERT_EQ(holder.took(), kWaitObject0);
    EXPECT_EQ(others.create("M")->wait(0), kWaitObject0);
    EXPECT_EQ(mutexes_.create("M")->wait(0), kWaitTimeout);
}

// The vendor's other programs open the NIC mutex by its bare name, in no scope of ours.
TEST_F(Win32NamedMutexTest, WithoutAScopeAMutexHasTheBareNameOtherProgramsOpen) {
    Win32NamedMutexes bare("", clock_);
    std::string name = "NORVANE_NIC_MUTEX-test-" + std::to_string(currentProcessId());
    OtherThreadHolder holder(bare, name);
    ASSERT_EQ(holder.took(), kWaitObject0);
    HANDLE opened = ::OpenMutexW(SYNCHRONIZE, FALSE, toWide(name).c_str());
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(::WaitForSingleObject(opened, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    ::CloseHandle(opened);
}

}  // namespace
}  // namespace zlx::platform::win32
