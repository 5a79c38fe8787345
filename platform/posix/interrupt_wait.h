#pragma once
// Ctrl+C, termination requests and a closed terminal (SIGINT, SIGTERM, SIGHUP) as something a
// loop waits for. Made before the process starts any other thread, it holds these signals back
// from every thread, so a request ends the loop between two samples rather than the process in
// the middle of a line; a write it makes ends at a request however long its reader keeps it
// waiting.

#include <csignal>
#include <string_view>

#include "platform/clock.h"

namespace zlx::platform::posix {

class InterruptWait {
  public:
    InterruptWait();
    ~InterruptWait();
    InterruptWait(const InterruptWait&) = delete;
    InterruptWait& operator=(const InterruptWait&) = delete;

    // Waits up to `duration` (0: only looks); the signal of a request that came, or 0.
    int waitFor(Millis duration);

    struct Written {
        int signal = 0;  // the request that ended the write before all was written, or 0
        int error = 0;   // errno of a write that failed, or 0
    };
    // Writes all of `bytes` to `fd` unless a request comes or the write fails first.
    Written write(int fd, std::string_view bytes);

  private:
    sigset_t requests_;
    sigset_t previous_;
    int requestFd_ = -1;  // the requests as a descriptor that poll() watches beside the output
};

}  // namespace zlx::platform::posix
