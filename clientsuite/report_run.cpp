#include "clientsuite/report_run.h"

#include <atomic>
#include <limits>
#include <thread>

#include "testwindow/line_format.h"
#include "wlan/interfaces.h"

namespace zlx::clientsuite {

namespace {

class ReportSink final : public TestSink {
  public:
    explicit ReportSink(const std::function<void(const std::string&)>& progress)
        : progress_(progress) {}
    void line(std::uint32_t kind, const std::string& text) override {
        if (kind == testwindow::kLineName && progress_) progress_(text);
    }
    bool waitForWindow() override { return true; }
    void pingStarting(const std::string& target) override {
        if (progress_) progress_("pinging " + target);
    }

  private:
    const std::function<void(const std::string&)>& progress_;
};

}  // namespace

std::unique_ptr<ClientReport> runReport(context::AppContext& ctx, platform::ManualClock& clock,
                                        const std::function<void(const std::string&)>& progress,
                                        const std::function<bool()>& interrupted) {
    auto report = std::make_unique<ClientReport>();
    context::WlanSelection selection = ctx.selection;
    // Without a selection made at start, the adapter the Troubleshooting page offers first.
    if (selection.selectedAdapterDescription.empty()) {
        wlan::InterfaceList interfaces(ctx.platform.wlan, ctx.platform.rpc);
        if (!interfaces.empty()) {
            wlan::selectInterface(selection, ctx.platform.wlan, ctx.platform.rpc,
                                  interfaces.guidTexts()[0]);
            selection.selectedAdapterDescription = interfaces.descriptions()[0];
        }
    }
    platform::StopSignal stop;
    std::atomic<bool> done{false};
    clock.beginActivity();
    std::thread worker([&] {
        report->details = adapterinfo::buildAdapterDetails(
            adapterinfo::gatherContextOf(ctx), selection, selection.selectedAdapterDescription);
        ReportSink sink(progress);
        TestRunEnvironment env{ctx.platform, clock, stop, selection.selectedInterface, sink};
        runClientTests(report->suite, report->details, env);
        done = true;
        clock.endActivity();
    });
    while (!done) {
        clock.waitForQuiet();
        if (done) break;
        if (interrupted && interrupted()) stop.requestStop();
        clock.runNextDue(std::numeric_limits<platform::Millis>::max());
    }
    worker.join();
    return report;
}

}  // namespace zlx::clientsuite
