#include "platform/posix/posix_ping.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <optional>
#include <string_view>

extern char** environ;

namespace zlx::platform::posix {

namespace {

// How often a running ping looks at the stop request while no output comes.
constexpr int kStopPollMs = 100;
// How often the end of a ping that closed its output is looked for.
constexpr int kExitPollMs = 10;
// How long output is still read after the ping has ended.
constexpr std::chrono::milliseconds kDrainTime{200};

// Whether `child` has ended, leaving it unreaped (so its process group id stays its own).
bool hasEnded(pid_t child) {
    siginfo_t info{};
    return ::waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           info.si_pid == child;
}

class Pipe {
  public:
    Pipe() {
        if (::pipe2(ends_, O_CLOEXEC) != 0) ends_[0] = ends_[1] = -1;
    }
    ~Pipe() {
        closeRead();
        closeWrite();
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    bool ok() const { return ends_[0] >= 0; }
    int read() const { return ends_[0]; }
    int write() const { return ends_[1]; }
    void closeRead() { closeEnd(0); }
    void closeWrite() { closeEnd(1); }

  private:
    void closeEnd(int i) {
        if (ends_[i] >= 0) ::close(ends_[i]);
        ends_[i] = -1;
    }
    int ends_[2] = {-1, -1};
};

Win32Error errnoToWin32(int error) {
    return error == ENOENT ? kErrorFileNotFound : kErrorAccessDenied;
}

}  // namespace

PosixProcesses::PosixProcesses(std::string program, std::vector<std::string> arguments)
    : program_(std::move(program)), arguments_(std::move(arguments)) {}

PingResult PosixProcesses::ping(const std::string& target, Millis limit, StopSignal& stop) {
    PingResult result;
    Pipe output;
    if (!output.ok()) {
        result.startResult = errnoToWin32(errno);
        return result;
    }
    std::vector<std::string> words{program_};
    words.insert(words.end(), arguments_.begin(), arguments_.end());
    words.push_back(target);
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, output.write(), STDOUT_FILENO);
    // A group of its own, so that whatever the ping starts ends with it.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    pid_t child = -1;
    int spawned =
        posix_spawnp(&child, program_.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    output.closeWrite();
    if (spawned != 0) {
        result.startResult = errnoToWin32(spawned);
        return result;
    }

    using Steady = std::chrono::steady_clock;
    const auto deadline = Steady::now() + std::chrono::milliseconds(limit);
    // Set once the ping itself has ended: what it left running may hold the pipe open, so the
    // output is read only a little longer.
    std::optional<Steady::time_point> drainEnd;
    bool endOfOutput = false;
    char buffer[4096];
    for (;;) {
        if (stop.stopRequested()) {
            result.stopped = true;
            break;
        }
        const auto now = Steady::now();
        if (!drainEnd && hasEnded(child)) drainEnd = std::min(deadline, now + kDrainTime);
        if (drainEnd && (endOfOutput || now >= *drainEnd)) break;
        if (now >= deadline) {
            result.timedOut = true;
            break;
        }
        auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::min(drainEnd ? *drainEnd : deadline, deadline) - now);
        int waitMs = static_cast<int>(std::clamp<Millis>(wait.count(), 1, kStopPollMs));
        if (endOfOutput) {
            // Output closed, the ping not ended yet: look again shortly.
            ::poll(nullptr, 0, std::min(waitMs, kExitPollMs));
            continue;
        }
        pollfd watch{output.read(), POLLIN, 0};
        int ready = ::poll(&watch, 1, waitMs);
        if (ready < 0 && errno != EINTR) break;
        if (ready <= 0) continue;
        ssize_t n = ::read(output.read(), buffer, sizeof buffer);
        if (n > 0)
            result.keepOutput(std::string_view(buffer, static_cast<std::size_t>(n)));
        else if (n == 0 || errno != EINTR)
            endOfOutput = true;
    }
    // The ping has not been reaped yet, so its group cannot have been reused: ending the group
    // ends the ping at its limit and anything it left behind.
    ::kill(-child, SIGKILL);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    // A ping ended at its limit keeps what it printed (a silent gateway's timed-out
    // requests); one stopped because the program is ending has no answer to give.
    if (result.stopped) {
        result.output.clear();
        result.outputCut = false;
    }
    return result;
}

}  // namespace zlx::platform::posix
