#pragma once
// Another program of this machine that holds a named mutex for a while, such as one of the
// vendor's tools in the middle of its own device walk.

#include <memory>
#include <string>
#include <thread>

#include "platform/clock.h"
#include "platform/process.h"

namespace zlx::platform {

class NamedMutexHolder {
  public:
    // Takes the mutex `name` on a thread of its own and returns once it is held; lets it go
    // `holdMs` of clock time later, or when destroyed. When someone else has the mutex already,
    // nothing is held (holding() is false). `clock` must outlive the holder.
    NamedMutexHolder(NamedMutexes& mutexes, const std::string& name, Clock& clock, Millis holdMs);
    ~NamedMutexHolder();
    NamedMutexHolder(const NamedMutexHolder&) = delete;
    NamedMutexHolder& operator=(const NamedMutexHolder&) = delete;

    // True from the start until the release time, when the mutex could be taken.
    bool holding() const;

  private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
    Clock& clock_;
    ScheduleId release_ = 0;
    std::thread thread_;
};

}  // namespace zlx::platform
