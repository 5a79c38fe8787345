#include "platform/termination_signals.h"

#include <atomic>
#include <csignal>

namespace zlx::platform {

namespace {
// A signal handler takes no argument but the signal, so what it records lives here: the one
// piece of process state that the system's interface forces on us.
std::atomic<int> receivedSignal{0};
static_assert(std::atomic<int>::is_always_lock_free, "written from a signal handler");

void remember(int signal) {
    int none = 0;
    receivedSignal.compare_exchange_strong(none, signal);
}

// A signal the program was started with ignored (a background job's SIGINT) stays ignored.
void (*catchUnlessIgnored(int signal))(int) {
    auto previous = std::signal(signal, remember);
    if (previous == SIG_IGN) std::signal(signal, SIG_IGN);
    return previous == SIG_ERR ? SIG_DFL : previous;
}
}  // namespace

TerminationSignals::TerminationSignals()
    : previousTerm_((receivedSignal = 0, catchUnlessIgnored(SIGTERM))),
      previousInt_(catchUnlessIgnored(SIGINT))
#ifdef SIGHUP
      ,
      previousHup_(catchUnlessIgnored(SIGHUP))
#endif
{
}

TerminationSignals::~TerminationSignals() {
    std::signal(SIGTERM, previousTerm_);
    std::signal(SIGINT, previousInt_);
#ifdef SIGHUP
    std::signal(SIGHUP, previousHup_);
#endif
}

int TerminationSignals::received() const {
    return receivedSignal.load();
}

int TerminationSignals::exitStatus(int status) const {
    int signal = received();
    return signal ? 128 + signal : status;
}

}  // namespace zlx::platform
