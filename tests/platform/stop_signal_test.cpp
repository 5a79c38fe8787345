#include "platform/stop_signal.h"

#include <gtest/gtest.h>

#include <atomic>
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

}  // namespace
}  // namespace zlx::platform
