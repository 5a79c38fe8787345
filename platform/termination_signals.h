#pragma once
// SIGTERM, SIGINT (Ctrl+C) and, where the system has it, SIGHUP (the terminal closed) ask the
// program to end. While a TerminationSignals exists they are caught and remembered instead of
// ending the process at once, so that the run stops its worker, leaves the adapter's
// diagnostic mode and removes what it made on the way out.

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

    // A descriptor that turns readable when a request is caught (and stays so until the next
    // TerminationSignals is made), for a write to poll() beside its output so that a reader who
    // keeps it waiting cannot keep the program from ending; -1 where there is none.
    static int requestDescriptor();

  private:
    using Handler = void (*)(int);
    Handler previousTerm_;
    Handler previousInt_;
    Handler previousHup_ = nullptr;  // unused where the system has no SIGHUP
};

}  // namespace zlx::platform
