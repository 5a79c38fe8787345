#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/clock.h"

namespace zlx::platform {
namespace {

TEST(ManualClockSleep, OnTheDrivingThreadItMovesTheClockThroughWhatFallsDue) {
    ManualClock clock;
    std::vector<Millis> ran;
    clock.schedule(100, [&] { ran.push_back(clock.now()); });
    clock.schedule(250, [&] { ran.push_back(clock.now()); });
    clock.schedule(900, [&] { ran.push_back(clock.now()); });
    clock.sleepFor(500);
    EXPECT_EQ(clock.now(), 500);
    EXPECT_EQ(ran, (std::vector<Millis>{100, 250}));
    clock.sleepFor(-5);
    EXPECT_EQ(clock.now(), 500);
}

TEST(ManualClockSleep, OnAnotherThreadItWaitsForTheDrivingThread) {
    ManualClock clock;
    Millis woke = -1;
    clock.beginActivity();
    std::thread worker([&] {
        ActivityScope running(clock);
        clock.endActivity();
        clock.sleepFor(300);
        woke = clock.now();
    });
    clock.waitForQuiet();
    EXPECT_EQ(clock.now(), 0);
    clock.advanceTo(1000, {});
    worker.join();
    EXPECT_EQ(woke, 300);
}

}  // namespace
}  // namespace zlx::platform
