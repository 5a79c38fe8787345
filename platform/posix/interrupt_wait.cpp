#include "platform/posix/interrupt_wait.h"

#include <limits.h>
#include <poll.h>
#include <pthread.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>

namespace zlx::platform::posix {

InterruptWait::InterruptWait() {
    sigemptyset(&requests_);
    sigaddset(&requests_, SIGINT);
    sigaddset(&requests_, SIGTERM);
    sigaddset(&requests_, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &requests_, &previous_);
    requestFd_ = ::signalfd(-1, &requests_, SFD_CLOEXEC | SFD_NONBLOCK);
}

InterruptWait::~InterruptWait() {
    if (requestFd_ >= 0) ::close(requestFd_);
    pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

int InterruptWait::waitFor(Millis duration) {
    if (duration < 0) duration = 0;
    timespec wait{};
    wait.tv_sec = static_cast<std::time_t>(duration / 1000);
    wait.tv_nsec = static_cast<long>(duration % 1000) * 1'000'000L;
    // A signal outside the set wakes the wait early; the caller waits again for the rest.
    int signal = sigtimedwait(&requests_, nullptr, &wait);
    return signal > 0 ? signal : 0;
}

InterruptWait::Written InterruptWait::write(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        pollfd watched[2] = {{fd, POLLOUT, 0}, {requestFd_, POLLIN, 0}};
        if (::poll(watched, requestFd_ >= 0 ? 2 : 1, -1) < 0) {
            if (errno == EINTR) continue;
            return {0, errno};
        }
        if (watched[1].revents & POLLIN) {
            if (int signal = waitFor(0)) return {signal, 0};
        }
        // A pipe that has room for POLLOUT takes up to PIPE_BUF bytes without blocking, and a
        // terminal stopped by Ctrl+S does not show POLLOUT, so the next request is seen.
        ssize_t n = ::write(fd, bytes.data(), std::min<std::size_t>(bytes.size(), PIPE_BUF));
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            return {0, errno};
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return {};
}

}  // namespace zlx::platform::posix
