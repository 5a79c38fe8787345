#include "clientsuite/report_run.h"

#include <atomic>
#include <limits>
#include <thread>

#include "platform/text.h"
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

// How soon a run on the real clock notices that it was asked to end.
constexpr platform::Millis kInterruptionPoll = 50;

}  // namespace

std::optional<ReportAdapter> chooseReportAdapter(context::AppContext& ctx,
                                                 const std::optional<std::string>& name) {
    ReportAdapter adapter;
    wlan::InterfaceList interfaces(ctx.platform.wlan, ctx.platform.rpc);
    adapter.listResult = interfaces.result();
    std::optional<std::size_t> index;
    if (name) {
        std::string guid = *name;
        if (guid.size() >= 2 && guid.front() == '{' && guid.back() == '}')
            guid = guid.substr(1, guid.size() - 2);
        for (std::size_t i = 0; i < interfaces.size() && !index; ++i)
            if (platform::equalIgnoringAsciiCase(interfaces.descriptions()[i], *name) ||
                platform::equalIgnoringAsciiCase(interfaces.guidTexts()[i], guid))
                index = i;
        if (!index) return std::nullopt;
        adapter.choice = AdapterChoice::Named;
    } else if (!interfaces.empty()) {
        index = 0;
        adapter.choice = AdapterChoice::FirstInterface;
    }
    if (index) {
        adapter.guidText = interfaces.guidTexts()[*index];
        wlan::selectInterface(adapter.selection, ctx.platform.wlan, ctx.platform.rpc,
                              adapter.guidText);
        adapter.selection.selectedAdapterDescription = interfaces.descriptions()[*index];
    }
    return adapter;
}

std::string interfaceChoices(context::AppContext& ctx) {
    wlan::InterfaceList interfaces(ctx.platform.wlan, ctx.platform.rpc);
    std::string out;
    for (std::size_t i = 0; i < interfaces.size(); ++i)
        out += interfaces.descriptions()[i] + "  " + interfaces.guidTexts()[i] + "\n";
    return out;
}

std::unique_ptr<ClientReport> runReport(context::AppContext& ctx, platform::Clock& clock,
                                        const ReportAdapter& adapter,
                                        const std::function<void(const std::string&)>& progress,
                                        const std::function<bool()>& interrupted) {
    auto report = std::make_unique<ClientReport>();
    const platform::Millis start = clock.now();
    report->header = adapterinfo::makeRunHeader(ctx, clock.localTime());
    report->adapter = adapter;
    const context::WlanSelection& selection = report->adapter.selection;
    platform::StopSignal stop;
    auto run = [&](const std::function<void(const std::string&)>& lines) {
        report->details = adapterinfo::buildAdapterDetails(
            adapterinfo::gatherContextOf(ctx), selection, selection.selectedAdapterDescription);
        ReportSink sink(lines);
        TestRunEnvironment env{ctx.platform, clock, stop, selection.selectedInterface, sink};
        runClientTests(report->suite, report->details, env);
    };
    if (clock.drivenByCallingThread()) {
        // The run's waits move the manual clock themselves, so it needs no second thread; a
        // request to end is noticed at the next test, or when the ping starts.
        run([&](const std::string& line) {
            if (interrupted && interrupted()) stop.requestStop();
            if (progress) progress(line);
        });
        report->durationMs = clock.now() - start;
        return report;
    }
    std::atomic<bool> done{false};
    clock.beginActivity();
    std::thread worker([&] {
        run(progress);
        done = true;
        clock.endActivity();
    });
    auto* manual = dynamic_cast<platform::ManualClock*>(&clock);
    while (!done) {
        if (manual) manual->waitForQuiet();
        if (done) break;
        if (interrupted && interrupted()) stop.requestStop();
        if (manual)
            manual->runNextDue(std::numeric_limits<platform::Millis>::max());
        else
            clock.sleepFor(kInterruptionPoll);
    }
    worker.join();
    report->durationMs = clock.now() - start;
    return report;
}

}  // namespace zlx::clientsuite
