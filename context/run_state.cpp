#include "context/run_state.h"

#include <utility>

namespace zlx::context {

const char* runStateName(RunState state) {
    switch (state) {
        case RunState::Idle:
            return "Idle";
        case RunState::Connecting:
            return "Connecting";
        case RunState::Waiting:
            return "Waiting";
        case RunState::Testing:
            return "Testing";
    }
    return "?";
}

RunState RunStateStore::readRunState() const {
    std::lock_guard lock(stateLock_);
    return state_;
}

void RunStateStore::setRunState(RunState state) {
    std::lock_guard lock(stateLock_);
    state_ = state;
}

std::uint64_t RunStateStore::beginRun(RunKind kind) {
    std::lock_guard lock(stateLock_);
    kind_ = kind;
    return ++runNumber_;
}

void RunStateStore::endRun(std::uint64_t number) {
    std::lock_guard lock(stateLock_);
    if (runNumber_ == number) kind_ = RunKind::None;
}

RunView RunStateStore::view() const {
    std::lock_guard lock(stateLock_);
    return {state_, kind_, runNumber_};
}

std::optional<RunState> RunStateStore::exchangeRunStateOf(std::uint64_t number, RunState state) {
    std::lock_guard lock(stateLock_);
    if (runNumber_ != number) return std::nullopt;
    return std::exchange(state_, state);
}

bool RunStateStore::claimFailureBox() {
    std::lock_guard lock(stateLock_);
    if (failureBoxClaimed_) return false;
    failureBoxClaimed_ = true;
    return true;
}

void RunStateStore::freeFailureBox() {
    std::lock_guard lock(stateLock_);
    failureBoxClaimed_ = false;
}

bool RunStateStore::advanceRunState(RunState from, RunState to) {
    std::lock_guard lock(stateLock_);
    if (state_ != from) return false;
    state_ = to;
    return true;
}

void RunStateStore::addPendingLine(std::string line) {
    std::lock_guard lock(handOverLock_);
    pendingLines_.push_back(std::move(line));
}

std::vector<std::string> RunStateStore::pendingLines() const {
    std::lock_guard lock(handOverLock_);
    return pendingLines_;
}

void RunStateStore::clearPendingLines() {
    std::lock_guard lock(handOverLock_);
    pendingLines_.clear();
}

std::vector<std::string> RunStateStore::attachLineWindow(std::uint64_t window) {
    std::lock_guard lock(handOverLock_);
    lineWindow_ = window;
    return std::exchange(pendingLines_, {});
}

void RunStateStore::detachLineWindow() {
    std::lock_guard lock(handOverLock_);
    lineWindow_ = 0;
}

std::uint64_t RunStateStore::routeLine(std::string line) {
    std::lock_guard lock(handOverLock_);
    if (lineWindow_ == 0) pendingLines_.push_back(std::move(line));
    return lineWindow_;
}

std::uint64_t RunStateStore::routeCompletion() {
    std::lock_guard lock(handOverLock_);
    if (lineWindow_ == 0) completedBeforeOpen_ = true;
    return lineWindow_;
}

void RunStateStore::setCompletedBeforeOpen() {
    std::lock_guard lock(handOverLock_);
    completedBeforeOpen_ = true;
}

bool RunStateStore::takeCompletedBeforeOpen() {
    std::lock_guard lock(handOverLock_);
    bool was = completedBeforeOpen_;
    completedBeforeOpen_ = false;
    return was;
}

void RunStateStore::clearCompletedBeforeOpen() {
    std::lock_guard lock(handOverLock_);
    completedBeforeOpen_ = false;
}

}  // namespace zlx::context
