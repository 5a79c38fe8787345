#include "platform/stop_signal.h"

namespace zlx::platform {

StopSignal::StopSignal() : state_(std::make_shared<State>()) {}

void StopSignal::requestStop() {
    std::lock_guard lock(state_->mutex);
    state_->stop = true;
    state_->changed.notify_all();
}

bool StopSignal::stopRequested() const {
    std::lock_guard lock(state_->mutex);
    return state_->stop;
}

bool StopSignal::sleepFor(Clock& clock, Millis duration) {
    if (clock.drivenByCallingThread()) {
        clock.waitForQuiet();
        if (stopRequested()) return false;
        clock.sleepFor(duration);
        return !stopRequested();
    }
    // Shared with the waker, which may run after this call has returned by a stop.
    struct Wake {
        bool done = false;
    };
    auto wake = std::make_shared<Wake>();
    State& state = *state_;
    {
        std::lock_guard lock(state.mutex);
        if (state.stop) return false;
    }
    ScheduleId id = clock.schedule(clock.now() + (duration > 0 ? duration : 0),
                                   [shared = state_, wake, &clock] {
                                       std::lock_guard lock(shared->mutex);
                                       if (wake->done) return;
                                       wake->done = true;
                                       // Handed back before the clock settles, so its settle
                                       // step waits for this thread.
                                       clock.beginActivity();
                                       shared->changed.notify_all();
                                   });
    clock.endActivity();
    std::unique_lock lock(state.mutex);
    state.changed.wait(lock, [&] { return wake->done || state.stop; });
    if (wake->done) return true;
    wake->done = true;
    lock.unlock();
    clock.cancel(id);
    clock.beginActivity();
    return false;
}

}  // namespace zlx::platform
