#include "platform/stop_signal.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <thread>

namespace zlx::platform {
namespace {

// A worker sleeping on the manual clock wakes when the clock reaches its time, or at once when
// a stop is requested: nobody needs to advance the clock for the program to end.
TEST(StopSignalTest, ASleepEndsAtItsTimeOrAtTheStop) {
    ManualClock clock;
    StopSignal stop;
    std::atomic<int> outcome{-1};
    clock.beginActivity();
    std::thread worker([&] {
        outcome = stop.sleepFor(clock, 1000) ? 1 : 0;
        outcome = outcome * 10 + (stop.sleepFor(clock, 1000) ? 1 : 0);
        clock.endActivity();
    });
    clock.waitForQuiet();
    clock.advanceTo(1000, nullptr);  // the first sleep ends at its time
    clock.waitForQuiet();            // the worker sleeps again
    stop.requestStop();
    worker.join();
    EXPECT_EQ(outcome, 10);
    EXPECT_EQ(clock.now(), 1000);
    EXPECT_FALSE(stop.sleepFor(clock, 5));
}

// The real clock, with a gate its wakers wait at once the clock's thread has taken them off the
// queue: the moment at which a stop used to free the signal under a running waker.
class GatedClock final : public Clock {
  public:
    Millis now() const override { return real_.now(); }
    std::tm localTime() const override { return real_.localTime(); }
    ScheduleId schedule(Millis due, std::function<void()> action) override {
        return real_.schedule(due, [this, action = std::move(action)] {
            std::unique_lock lock(mutex_);
            taken_ = true;
            changed_.notify_all();
            changed_.wait(lock, [this] { return open_; });
            lock.unlock();
            action();
        });
    }
    void cancel(ScheduleId id) override { real_.cancel(id); }
    void sleepFor(Millis duration) override { real_.sleepFor(duration); }

    void waitUntilTaken() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return taken_; });
    }
    void open() {
        std::lock_guard lock(mutex_);
        open_ = true;
        changed_.notify_all();
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool taken_ = false, open_ = false;
    RealClock real_;  // last: its thread ends before the gate goes
};

// The real clock's thread may have taken a sleep's waker off its queue when a stop ends the
// sleep and the worker destroys its signal: the waker must not touch the destroyed signal.
// First that moment held open by a gate, then stops timed to land at a sleep's due time; the
// sanitizer builds catch a use after free or a race, and a waker blocked on a freed lock would
// hang the clock's destructor.
TEST(StopSignalTest, AStopAtTheWakersTimeOnTheRealClockIsSafe) {
    {
        GatedClock clock;
        auto stop = std::make_unique<StopSignal>();
        std::thread worker([&] {
            ActivityScope busy(clock);
            EXPECT_FALSE(stop->sleepFor(clock, 1));
        });
        clock.waitUntilTaken();
        stop->requestStop();
        worker.join();
        stop.reset();
        clock.open();
    }
    RealClock clock;
    for (int round = 0; round < 500; ++round) {
        auto stop = std::make_unique<StopSignal>();
        Millis start = clock.now();
        std::thread worker([&] {
            ActivityScope busy(clock);
            stop->sleepFor(clock, 1);
        });
        while (clock.now() < start + 1 + round % 2) {
        }
        stop->requestStop();
        worker.join();
        stop.reset();
    }
}

}  // namespace
}  // namespace zlx::platform
