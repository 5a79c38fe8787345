#pragma once

#include <string>

#include "platform/clock.h"
#include "platform/process.h"

namespace zlx::platform::win32 {

// Named mutexes of the Windows kernel (CreateMutexW), named "<scope>.<name>", or by the bare name
// with an empty scope: the mutexes the vendor's other programs share by name. A Win32 mutex
// belongs to the thread that took it: release() must come from the thread whose wait()
// succeeded. Waiting polls through the clock, so a manual clock decides time-outs.
class Win32NamedMutexes final : public NamedMutexes {
  public:
    Win32NamedMutexes(std::string scope, Clock& clock) : scope_(std::move(scope)), clock_(clock) {}
    std::unique_ptr<NamedMutex> create(const std::string& name) override;

  private:
    std::string scope_;
    Clock& clock_;
};

}  // namespace zlx::platform::win32
