#pragma once
// The worker of one client-managed Start: builds the suite and the adapter details, runs the
// tests on a thread of its own and reports them to the test window through posted messages.

#include <atomic>
#include <string>
#include <thread>

#include "clientsuite/generic_check.h"
#include "context/app_context.h"

namespace zlx::clientsuite {

// Posts a run's lines to the test window it waited for, and nowhere else: a window of a later
// run never receives them.
class TestWindowSink final : public TestSink {
  public:
    TestWindowSink(context::AppContext& context, platform::StopSignal& stop);
    void line(std::uint32_t kind, const std::string& text) override;
    bool waitForWindow() override;
    void busy(bool on) override;
    void complete();

  private:
    context::AppContext& ctx_;
    platform::StopSignal& stop_;
    ui::WindowHandle window_ = ui::kNoWindow;
};

class ClientTestWorker {
  public:
    // Starts at once, for the adapter `selection` names (a copy taken on the user-interface
    // thread).
    ClientTestWorker(context::AppContext& context, context::WlanSelection selection);
    // The program is ending: the worker's waits end and it is joined.
    ~ClientTestWorker();
    ClientTestWorker(const ClientTestWorker&) = delete;
    ClientTestWorker& operator=(const ClientTestWorker&) = delete;

    bool finished() const { return finished_; }
    // The adapter of the run was taken from the machine: the tests not yet run say so.
    void adapterRemoved() { adapterRemoved_ = true; }
    const context::WlanSelection& selection() const { return selection_; }

  private:
    void run();

    context::AppContext& ctx_;
    context::WlanSelection selection_;
    platform::StopSignal stop_;
    std::atomic<bool> finished_{false};
    std::atomic<bool> adapterRemoved_{false};
    std::thread thread_;  // last: starts once the members above exist
};

}  // namespace zlx::clientsuite
