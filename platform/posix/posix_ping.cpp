#include "platform/posix/posix_ping.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

extern char** environ;

namespace zlx::platform::posix {

namespace {

// How often a running ping looks at the stop request while no output comes.
constexpr int kStopPollMs = 100;

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
    pid_t child = -1;
    int spawned = posix_spawnp(&child, program_.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    output.closeWrite();
    if (spawned != 0) {
        result.startResult = errnoToWin32(spawned);
        return result;
    }

    using Steady = std::chrono::steady_clock;
    const auto deadline = Steady::now() + std::chrono::milliseconds(limit);
    bool ended = false;
    char buffer[4096];
    while (!ended) {
        if (stop.stopRequested()) {
            result.stopped = true;
            break;
        }
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Steady::now());
        if (left.count() <= 0) {
            result.timedOut = true;
            break;
        }
        pollfd watch{output.read(), POLLIN, 0};
        int ready =
            ::poll(&watch, 1, static_cast<int>(std::min<Millis>(left.count(), kStopPollMs)));
        if (ready < 0 && errno != EINTR) break;
        if (ready <= 0) continue;
        ssize_t n = ::read(output.read(), buffer, sizeof buffer);
        if (n > 0)
            result.output.append(buffer, static_cast<std::size_t>(n));
        else if (n == 0 || errno != EINTR)
            ended = true;  // the program closed its output: it has ended or is about to
    }
    if (!ended) ::kill(child, SIGKILL);
    // A program that closed its output may still run: the limit holds for it too.
    int status = 0;
    for (;;) {
        pid_t done = ::waitpid(child, &status, WNOHANG);
        if (done == child || (done < 0 && errno != EINTR)) break;
        if (done == 0 && (Steady::now() >= deadline || stop.stopRequested())) {
            ::kill(child, SIGKILL);
            result.timedOut = !stop.stopRequested();
            result.stopped = !result.timedOut;
        }
        if (done == 0) ::poll(nullptr, 0, 10);
    }
    // What an ended ping said before its limit is not its answer.
    if (result.timedOut || result.stopped) result.output.clear();
    return result;
}

}  // namespace zlx::platform::posix
