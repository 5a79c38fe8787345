#include "platform/posix/interrupt_wait.h"

#include <pthread.h>

#include <cerrno>
#include <ctime>

namespace zlx::platform::posix {

InterruptWait::InterruptWait() {
    sigemptyset(&requests_);
    sigaddset(&requests_, SIGINT);
    sigaddset(&requests_, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &requests_, &previous_);
}

InterruptWait::~InterruptWait() {
    pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

bool InterruptWait::waitFor(Millis duration) {
    if (duration < 0) duration = 0;
    timespec wait{};
    wait.tv_sec = static_cast<std::time_t>(duration / 1000);
    wait.tv_nsec = static_cast<long>(duration % 1000) * 1'000'000L;
    // A signal outside the set wakes the wait early; the caller waits again for the rest.
    return sigtimedwait(&requests_, nullptr, &wait) > 0;
}

}  // namespace zlx::platform::posix
