#pragma once
// A stop request that ends a worker's waits early: the program is ending, so a wait for a
// window or a pause between steps must not keep it from ending.

#include <condition_variable>
#include <memory>
#include <mutex>

#include "platform/clock.h"

namespace zlx::platform {

class StopSignal {
  public:
    StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;

    void requestStop();
    bool stopRequested() const;

    // Waits `duration` on `clock`, or less when a stop is requested meanwhile. Returns false
    // when the wait ended by the stop. Like Clock::sleepFor, the calling thread's activity is
    // given up while it waits (on ManualClock the clock's driver must advance to wake it). On
    // the thread that drives a manual clock the wait moves the clock, and only a stop requested
    // before it, or by what ran during it, ends it early.
    bool sleepFor(Clock& clock, Millis duration);

  private:
    // Owned jointly with every waker still queued on a clock: a real clock may already have
    // taken a waker off its queue when a stop ends the sleep and the signal is destroyed.
    struct State {
        std::mutex mutex;
        std::condition_variable changed;
        bool stop = false;
    };
    std::shared_ptr<State> state_;
};

}  // namespace zlx::platform
