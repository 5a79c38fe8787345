#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zlx::platform
