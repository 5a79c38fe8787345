#include "platform/polled_mutex.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/process.h"

namespace zlx::platform {
namespace {

// The kernel is asked at once, then every 50 ms of clock time and once more at the time-out;
// the first answer that is not "held by someone else" ends the wait.
TEST(PolledMutexTest, AsksAtEachStepUntilTakenOrTimedOut) {
    struct Case {
        std::uint32_t timeoutMs;
        int freeAtTry;  // the try that takes the mutex; -1 for never
        std::uint32_t answer;
        std::uint32_t result;
        std::vector<Millis> triedAt;
    };
    const Case cases[] = {
        {0, -1, kWaitObject0, kWaitTimeout, {0}},
        {120, -1, kWaitObject0, kWaitTimeout, {0, 50, 100, 120}},
        {120, 0, kWaitObject0, kWaitObject0, {0}},
        {1000, 2, kWaitAbandoned, kWaitAbandoned, {0, 50, 100}},
    };
    for (const Case& c : cases) {
        ManualClock clock;
        std::vector<Millis> triedAt;
        std::uint32_t result = pollMutex(clock, c.timeoutMs, [&] {
            triedAt.push_back(clock.now());
            return int(triedAt.size()) - 1 == c.freeAtTry ? c.answer : kWaitTimeout;
        });
        EXPECT_EQ(result, c.result) << c.timeoutMs;
        EXPECT_EQ(triedAt, c.triedAt) << c.timeoutMs;
    }
}

}  // namespace
}  // namespace zlx::platform
