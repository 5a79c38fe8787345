// The real ping side with stand-in programs: what matters is the argument vector, the pipe and
// the limit, not the network. These start real processes, so they run on real time.

#include "platform/posix/posix_ping.h"

#include <gtest/gtest.h>

namespace zlx::platform::posix {
namespace {

TEST(PosixPingTest, TheTargetIsOneArgumentAndTheOutputComesThroughThePipe) {
    StopSignal stop;
    // printf prints its format: a target with shell syntax reaches it unchanged, as one word.
    PosixProcesses printer("printf", {});
    PingResult result = printer.ping("1.2.3.4 ; echo injected $HOME", 5000, stop);
    EXPECT_EQ(result.startResult, kErrorSuccess);
    EXPECT_FALSE(result.timedOut);
    EXPECT_EQ(result.output, "1.2.3.4 ; echo injected $HOME");
}

TEST(PosixPingTest, AProgramThatCannotStartSaysSo) {
    StopSignal stop;
    PosixProcesses missing("/nonexistent/ping", {});
    PingResult result = missing.ping("1.2.3.4", 1000, stop);
    EXPECT_EQ(result.startResult, kErrorFileNotFound);
    EXPECT_EQ(result.output, "");
}

TEST(PosixPingTest, APingPastItsLimitIsEndedAndItsOutputDropped) {
    StopSignal stop;
    // "sleep 30" stands in for a ping that never ends.
    PosixProcesses sleeper("sleep", {});
    PingResult result = sleeper.ping("30", 200, stop);
    EXPECT_TRUE(result.timedOut);
    EXPECT_EQ(result.output, "");
}

TEST(PosixPingTest, AStopRequestEndsIt) {
    StopSignal stop;
    stop.requestStop();
    PosixProcesses sleeper("sleep", {});
    PingResult result = sleeper.ping("30", 15000, stop);
    EXPECT_TRUE(result.stopped);
}

}  // namespace
}  // namespace zlx::platform::posix
