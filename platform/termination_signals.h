#pragma once
// SIGTERM, SIGINT (Ctrl+C) and, where the system has it, SIGHUP (the terminal closed) ask the
// program to end. While a TerminationSignals exists they are caught and remembered instead of
// ending the process at once, so that the run stops its worker, leaves the adapter's
// diagnostic mode and removes its private folder on the way out.

namespace zlx::platform {

class TerminationSignals {
  public:
    TerminationSignals();
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // The signal that asked the program to end, or 0.
    int received() const;
    // The status a shell gives a process that the signal ended: 128 + signal, or `status` when
    // no signal came.
    int exitStatus(int status) const;

  private:
    using Handler = void (*)(int);
    Handler previousTerm_;
    Handler previousInt_;
    Handler previousHup_ = nullptr;  // unused where the system has no SIGHUP
};

}  // namespace zlx::platform
