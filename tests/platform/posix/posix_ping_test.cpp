// The real ping side with stand-in programs: what matters is the argument vector, the pipe and
// the limit, not the network. These start real processes, so they run on real time.

#include "platform/posix/posix_ping.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>

#include "support/temp_dir.h"

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

// Whether the process the file names runs (a zombie waiting for its parent does not).
bool runs(const std::string& pidFile) {
    std::ifstream in(pidFile);
    std::string pid;
    if (!(in >> pid)) return false;
    std::ifstream stat("/proc/" + pid + "/stat");
    std::string line;
    if (!std::getline(stat, line)) return false;
    auto state = line.rfind(')');
    return state != std::string::npos && state + 2 < line.size() && line[state + 2] != 'Z';
}

// Whether it still runs once a signal sent to it has had time to arrive.
bool running(const std::string& pidFile) {
    for (int look = 0; look < 500 && runs(pidFile); ++look)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return runs(pidFile);
}

// What a ping leaves running ends with it: a ping that ended is not taken for one still
// running because its child holds the pipe, and the child does not outlive the read, neither
// then nor at the limit. A flood of output is kept only up to its cap.
TEST(PosixPingTest, APingsChildrenEndWithItAndItsOutputIsCapped) {
    zlx::testing::TempDir dir;
    const std::string pids = dir.file("pid");
    const struct {
        const char* name;
        std::string script;
        Millis limit;
        bool timedOut;
        std::size_t outputSize;
        bool cut;
    } cases[] = {
        {"ended, child holds the pipe", "echo reply; sleep 30 & echo $! > " + pids, 20000, false, 6,
         false},
        {"at the limit, with a child", "sleep 30 & echo $! > " + pids + "; sleep 30", 300, true, 0,
         false},
        {"a flood", "head -c 1000000 /dev/zero; echo $$ > " + pids, 20000, false, kMaxPingOutput,
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StopSignal stop;
        PosixProcesses shell("sh", {"-c", c.script, "sh"});
        PingResult result = shell.ping("1.2.3.4", c.limit, stop);
        EXPECT_EQ(result.timedOut, c.timedOut);
        EXPECT_EQ(result.output.size(), c.outputSize);
        EXPECT_EQ(result.outputCut, c.cut);
        EXPECT_FALSE(running(pids));
    }
}

}  // namespace
}  // namespace zlx::platform::posix
