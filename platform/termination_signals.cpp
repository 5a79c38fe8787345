#include "platform/termination_signals.h"

#include <atomic>
#include <cerrno>
#include <csignal>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace zlx::platform {

namespace {
// A signal handler takes no argument but the signal, so what it records lives here: the one
// piece of process state that the system's interface forces on us.
std::atomic<int> receivedSignal{0};
static_assert(std::atomic<int>::is_always_lock_free, "written from a signal handler");

#ifndef _WIN32
// Both ends of the pipe that a caught request makes readable, made once for the process.
struct RequestPipe {
    int read = -1;
    int write = -1;
};

const RequestPipe& requestPipe() {
    static const RequestPipe pipe = [] {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return RequestPipe{};
        return RequestPipe{fds[0], fds[1]};
    }();
    return pipe;
}

std::atomic<int> requestWriteEnd{-1};
static_assert(std::atomic<int>::is_always_lock_free, "read in a signal handler");
#endif

void remember(int signal) {
    int none = 0;
    receivedSignal.compare_exchange_strong(none, signal);
#ifndef _WIN32
    if (int fd = requestWriteEnd.load(); fd >= 0) {
        int saved = errno;
        char byte = 1;
        [[maybe_unused]] ssize_t ignored = ::write(fd, &byte, 1);
        errno = saved;
    }
#endif
}

// A signal the program was started with ignored (a background job's SIGINT) stays ignored.
void (*catchUnlessIgnored(int signal))(int) {
    auto previous = std::signal(signal, remember);
    if (previous == SIG_IGN) std::signal(signal, SIG_IGN);
    return previous == SIG_ERR ? SIG_DFL : previous;
}

// Forgets the requests an earlier TerminationSignals caught.
int startListening() {
    receivedSignal = 0;
#ifndef _WIN32
    const RequestPipe& pipe = requestPipe();
    char bytes[64];
    while (pipe.read >= 0 && ::read(pipe.read, bytes, sizeof bytes) > 0) {
    }
    requestWriteEnd = pipe.write;
#endif
    return 0;
}
}  // namespace

TerminationSignals::TerminationSignals()
    : previousTerm_((startListening(), catchUnlessIgnored(SIGTERM))),
      previousInt_(catchUnlessIgnored(SIGINT))
#ifdef SIGHUP
      ,
      previousHup_(catchUnlessIgnored(SIGHUP))
#endif
{
}

TerminationSignals::~TerminationSignals() {
    std::signal(SIGTERM, previousTerm_);
    std::signal(SIGINT, previousInt_);
#ifdef SIGHUP
    std::signal(SIGHUP, previousHup_);
#endif
}

int TerminationSignals::received() const {
    return receivedSignal.load();
}

int TerminationSignals::requestDescriptor() {
#ifdef _WIN32
    return -1;
#else
    return requestPipe().read;
#endif
}

int TerminationSignals::exitStatus(int status) const {
    int signal = received();
    return signal ? 128 + signal : status;
}

}  // namespace zlx::platform
