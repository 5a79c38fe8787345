#pragma once
// The run state that both kinds of test run share, under its lock, and the two values that
// hand a diagnostic run's first events to the test window.

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace zlx::context {

enum class RunState : std::uint32_t { Idle = 0, Connecting = 1, Waiting = 2, Testing = 3 };

// The kind of run a Start began. The diagnostic channel's events belong to a network-managed
// run (or to none); a client-managed run has no part in them.
enum class RunKind : std::uint32_t { None = 0, NetworkManaged = 1, ClientManaged = 2 };

// The state, the current run's kind and its number, read together.
struct RunView {
    RunState state = RunState::Idle;
    RunKind kind = RunKind::None;
    std::uint64_t number = 0;
};

const char* runStateName(RunState state);

class RunStateStore {
  public:
    // The lock is held for the single read or write only: a caller acts on the value it read.
    RunState readRunState() const;
    void setRunState(RunState state);
    // Sets `to` only while the state is `from`, in one step; false when another thread (the
    // notification routine ending the run) changed it first.
    bool advanceRunState(RunState from, RunState to);

    // Start begins a run of `kind`, numbered apart from every earlier one; returns its number.
    std::uint64_t beginRun(RunKind kind);
    // Run `number` has ended: no run is current unless a later Start began one.
    void endRun(std::uint64_t number);
    RunView view() const;
    // Sets `state` and returns the one it replaced, in one step, while run `number` is the
    // current one; nothing when a later Start began another run since that number was read.
    std::optional<RunState> exchangeRunStateOf(std::uint64_t number, RunState state);

    // A run shows one failure box at most, whichever of its endings comes first: the page's
    // failed connection or the notification routine's "profile not found". The first to claim
    // it shows its box; Start makes it free again.
    bool claimFailureBox();
    void freeFailureBox();

    // The lines of events that arrive before the test window is open, in order. They belong
    // to the run that produced them: Start clears them, the opening window takes them
    // (attachLineWindow).
    void addPendingLine(std::string line);
    std::vector<std::string> pendingLines() const;
    void clearPendingLines();

    // Where the diagnostic channel's lines go while testing: the test window once it has
    // opened (it takes the lines that came before in the same step), else the pending lines.
    // One lock, so that no line falls between the two.
    std::vector<std::string> attachLineWindow(std::uint64_t window);
    void detachLineWindow();
    // The window to post `line` to; 0 when the line was kept pending instead.
    std::uint64_t routeLine(std::string line);
    // The window to tell that the run is complete; 0 when that was kept for it instead.
    std::uint64_t routeCompletion();

    // Set when the run completed while the waiting dialog was still shown. Taking it clears it,
    // so that only the next test window completes itself.
    void setCompletedBeforeOpen();
    bool takeCompletedBeforeOpen();
    void clearCompletedBeforeOpen();

  private:
    mutable std::mutex stateLock_;
    RunState state_ = RunState::Idle;
    RunKind kind_ = RunKind::None;
    std::uint64_t runNumber_ = 0;
    bool failureBoxClaimed_ = false;
    // The line and the flag cross threads too; a lock of their own keeps each access whole.
    mutable std::mutex handOverLock_;
    std::vector<std::string> pendingLines_;
    bool completedBeforeOpen_ = false;
    std::uint64_t lineWindow_ = 0;
};

}  // namespace zlx::context
