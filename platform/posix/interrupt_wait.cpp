#include "platform/posix/interrupt_wait.h"

#include <pthread.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <ctime>

#include "platform/posix/stoppable_output.h"

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
    for (;;) {
        StoppableWrite w = writeUnlessStopped(fd, bytes, requestFd_);
        if (w.error) return {0, w.error};
        if (!w.stopped) return {};
        if (int signal = waitFor(0)) return {signal, 0};
        bytes.remove_prefix(w.written);
    }
}

}  // namespace zlx::platform::posix
