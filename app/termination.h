#pragma once
// When the runtime ends the program because nothing handled an exception, the adapter must not
// stay in diagnostic mode: the guard runs its action first, then the previous handler ends the
// process.

#include <functional>

namespace zlx::app {

class TerminationGuard {
  public:
    explicit TerminationGuard(std::function<void()> onTerminate);
    ~TerminationGuard();
    TerminationGuard(const TerminationGuard&) = delete;
    TerminationGuard& operator=(const TerminationGuard&) = delete;

  private:
    static void handler();
    std::function<void()> action_;
    void (*previous_)() = nullptr;
    TerminationGuard* outer_ = nullptr;
};

}  // namespace zlx::app
