#include "context/run_state.h"

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

void RunStateStore::setPendingFirstLine(std::string line) {
    std::lock_guard lock(handOverLock_);
    pendingFirstLine_ = std::move(line);
}

std::string RunStateStore::pendingFirstLine() const {
    std::lock_guard lock(handOverLock_);
    return pendingFirstLine_;
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
