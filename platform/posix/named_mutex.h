#pragma once

#include <string>

#include "platform/clock.h"
#include "platform/process.h"

namespace zlx::platform::posix {

// Named mutexes shared by the processes of this machine: an exclusive flock on a file named
// after the mutex. Waiting polls through the clock, so a manual clock decides time-outs.
class PosixNamedMutexes final : public NamedMutexes {
  public:
    PosixNamedMutexes(std::string directory, Clock& clock)
        : directory_(std::move(directory)), clock_(clock) {}
    std::unique_ptr<NamedMutex> create(const std::string& name) override;

  private:
    std::string directory_;
    Clock& clock_;
};

}  // namespace zlx::platform::posix
