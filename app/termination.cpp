#include "app/termination.h"

#include <atomic>
#include <cstdlib>
#include <exception>

namespace zlx::app {

namespace {
// std::terminate takes no argument, so the handler finds the active guard here: the one piece
// of process state that the runtime's interface forces on us.
std::atomic<TerminationGuard*> activeGuard{nullptr};
}  // namespace

TerminationGuard::TerminationGuard(std::function<void()> onTerminate)
    : action_(std::move(onTerminate)) {
    outer_ = activeGuard.exchange(this);
    previous_ = std::set_terminate(&TerminationGuard::handler);
}

TerminationGuard::~TerminationGuard() {
    std::set_terminate(previous_);
    activeGuard.store(outer_);
}

void TerminationGuard::handler() {
    TerminationGuard* guard = activeGuard.exchange(nullptr);
    if (guard) {
        try {
            if (guard->action_) guard->action_();
        } catch (...) {
            // Nothing may stop the process from ending now.
        }
        if (guard->previous_ && guard->previous_ != &TerminationGuard::handler) guard->previous_();
    }
    std::abort();
}

}  // namespace zlx::app
