#pragma once
// The run state that both kinds of test run share, under its lock, and the two values that
// hand a diagnostic run's first events to the test window.

#include <cstdint>
#include <mutex>
#include <string>

namespace zlx::context {

enum class RunState : std::uint32_t { Idle = 0, Connecting = 1, Waiting = 2, Testing = 3 };

const char* runStateName(RunState state);

class RunStateStore {
  public:
    // The lock is held for the single read or write only: a caller acts on the value it read.
    RunState readRunState() const;
    void setRunState(RunState state);

    // The line stored when an event arrives before the test window is open.
    void setPendingFirstLine(std::string line);
    std::string pendingFirstLine() const;

    // Set when the run completed while the waiting dialog was still shown. Taking it clears it,
    // so that only the next test window completes itself.
    void setCompletedBeforeOpen();
    bool takeCompletedBeforeOpen();
    void clearCompletedBeforeOpen();

  private:
    mutable std::mutex stateLock_;
    RunState state_ = RunState::Idle;
    // The line and the flag cross threads too; a lock of their own keeps each access whole.
    mutable std::mutex handOverLock_;
    std::string pendingFirstLine_;
    bool completedBeforeOpen_ = false;
};

}  // namespace zlx::context
