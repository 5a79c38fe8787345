#pragma once
// Ctrl+C and termination requests as something a loop waits for. Made before the process
// starts any other thread, it holds SIGINT and SIGTERM back from every thread, so a request
// ends the loop between two samples rather than the process in the middle of a line.

#include <csignal>

#include "platform/clock.h"

namespace zlx::platform::posix {

class InterruptWait {
  public:
    InterruptWait();
    ~InterruptWait();
    InterruptWait(const InterruptWait&) = delete;
    InterruptWait& operator=(const InterruptWait&) = delete;

    // Waits up to `duration` (0: only looks); true when a request came.
    bool waitFor(Millis duration);

  private:
    sigset_t requests_;
    sigset_t previous_;
};

}  // namespace zlx::platform::posix
