#include "platform/stop_signal.h"

#include <memory>

namespace zlx::platform {

void StopSignal::requestStop() {
    std::lock_guard lock(mutex_);
    stop_ = true;
    changed_.notify_all();
}

bool StopSignal::stopRequested() const {
    std::lock_guard lock(mutex_);
    return stop_;
}

bool StopSignal::sleepFor(Clock& clock, Millis duration) {
    // Shared with the waker, which may run after this call has returned by a stop.
    struct Wake {
        bool done = false;
    };
    auto wake = std::make_shared<Wake>();
    {
        std::lock_guard lock(mutex_);
        if (stop_) return false;
    }
    ScheduleId id =
        clock.schedule(clock.now() + (duration > 0 ? duration : 0), [this, wake, &clock] {
            std::lock_guard lock(mutex_);
            if (wake->done) return;
            wake->done = true;
            // Handed back before the clock settles, so its settle step waits for this thread.
            clock.beginActivity();
            changed_.notify_all();
        });
    clock.endActivity();
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return wake->done || stop_; });
    if (wake->done) return true;
    wake->done = true;
    lock.unlock();
    clock.cancel(id);
    clock.beginActivity();
    return false;
}

}  // namespace zlx::platform
