#include "launcher/status_command.h"

#include <memory>
#include <optional>

#include "adapterinfo/adapter_state.h"
#include "app/process_start.h"
#include "launcher/checked_output.h"
#include "launcher/exit_status.h"
#include "launcher/named_adapter.h"
#include "launcher/program_run.h"
#include "platform/text.h"
#include "status/link_history.h"
#include "status/prometheus_format.h"
#include "status/status_format.h"
#include "status/status_sheet.h"
#include "ui/headless.h"
#ifndef _WIN32
#include "platform/posix/interrupt_wait.h"
#else
#include <algorithm>
#include <chrono>
#include <thread>

#include "platform/termination_signals.h"
#endif

namespace zlx::launcher {

namespace {

#ifdef _WIN32
// Ctrl+C is remembered by the C runtime's console handler and seen here, between two samples,
// in slices short enough that the watch ends promptly; a sample being written is finished
// first, so a file that --output rewrites is never left half-done.
class InterruptWait {
  public:
    bool waitFor(platform::Millis duration) {
        constexpr platform::Millis kSlice = 100;
        for (;;) {
            if (requests_.received()) return true;
            if (duration <= 0) return false;
            const platform::Millis slice = std::min(duration, kSlice);
            std::this_thread::sleep_for(std::chrono::milliseconds(slice));
            duration -= slice;
        }
    }

  private:
    platform::TerminationSignals requests_;
};
#else
using platform::posix::InterruptWait;
#endif

// The program put together as far as the status pages need it: the adapter chosen at start,
// then the Diagnostics page's choice, which the sheet makes before its first refresh; or the
// interface --adapter names. False, with the reason on `err`, when it names none.
bool prepareStatus(Program& program, const LaunchOptions& options, std::ostream& err) {
    adapterinfo::AdapterStateContext state = program.application().adapterState();
    app::initialiseProcess(state);
    if (!options.reportAdapter) {
        adapterinfo::selectForDiagnosticsPage(state);
        return true;
    }
    auto adapter = namedAdapter(program, options, err);
    if (adapter) program.context().selection = adapter->selection;
    return adapter.has_value();
}

// Where --watch puts each sample: lines on the output, or, for --output, the file rewritten
// whole through a temporary beside it, so a collector never reads half of it.
class WatchOutput {
  public:
    WatchOutput(const LaunchOptions& options, platform::SavedFiles& files, std::ostream& out,
                std::ostream& err)
        : options_(options), files_(files), out_(out), err_(err) {}

    bool write(const std::string& text) {
        if (!options_.outputPath) return writeChecked(out_, text, err_, "the samples");
        std::string reason;
        if (files_.replaceFile(*options_.outputPath, text, reason)) return true;
        err_ << platform::escapeControls("zlxdiag: cannot write " + *options_.outputPath + ": " +
                                         reason)
             << "\n";
        return false;
    }

  private:
    const LaunchOptions& options_;
    platform::SavedFiles& files_;
    std::ostream& out_;
    std::ostream& err_;
};

// One sample's text: its events' lines before its own line, or one exposition with the events
// counted since the start.
std::string watchText(ReportFormat format, const std::vector<status::LinkEvent>& events,
                      const status::LinkSample& sample, const status::StatusSnapshot& snapshot,
                      status::LinkEventCounts& counts) {
    if (format == ReportFormat::Prometheus) {
        counts.add(events);
        return status::formatStatusPrometheus(snapshot, &counts);
    }
    const bool csv = format == ReportFormat::Csv;
    std::string lines;
    for (const status::LinkEvent& event : events)
        lines += csv ? status::csvEventRow(event) : status::formatEventJsonLine(event);
    lines +=
        csv ? status::csvSampleRow(sample) : status::formatSampleJsonLine(sample.time, snapshot);
    return lines;
}

}  // namespace

int runStatusCommand(const LaunchOptions& options, std::ostream& out, std::ostream& err) {
    // Only the real clock's two seconds are long enough to be interrupted. Made before any
    // thread starts, so that none of them takes Ctrl+C from the wait.
    std::optional<InterruptWait> interrupt;
    if (diagnosesRealMachine(options)) interrupt.emplace();
    ui::HeadlessServices services;
    auto run = ProgramRun::make(options, {}, services, err);
    if (!run) return kExitCouldNotRun;
    Program& program = run->program();
    platform::Clock& clock = run->clock();
    platform::ManualClock* manual = run->manualClock();
    if (!prepareStatus(program, options, err)) return kExitCouldNotRun;
    if (manual) {
        manual->advanceTo(status::kRefreshPeriod, [&manual] { manual->waitForQuiet(); });
    } else {
        for (platform::Millis now = clock.now(); now < status::kRefreshPeriod; now = clock.now())
            if (interrupt->waitFor(status::kRefreshPeriod - now)) return kExitSuccess;
    }
    status::StatusSnapshot snapshot =
        status::takeStatusSnapshot(program.application().adapterState());
    std::string text = options.reportFormat == ReportFormat::Json
                           ? status::formatStatusJson(snapshot)
                       : options.reportFormat == ReportFormat::Prometheus
                           ? status::formatStatusPrometheus(snapshot)
                           : status::formatStatusText(snapshot);
    return writeChecked(out, text, err, "the status") ? kExitSuccess : kExitCouldNotRun;
}

int runWatchCommand(const LaunchOptions& options, std::ostream& out, std::ostream& err) {
    // Before any thread starts, so that none of them takes Ctrl+C from the loop.
    InterruptWait interrupt;
    ui::HeadlessServices services;
    auto run = ProgramRun::make(options, {options.manualClock ? RunClock::Manual : RunClock::Real},
                                services, err);
    if (!run) return kExitCouldNotRun;
    Program& program = run->program();
    platform::Clock& clock = run->clock();
    platform::ManualClock* manual = run->manualClock();
    if (!prepareStatus(program, options, err)) return kExitCouldNotRun;

    const bool csv = options.reportFormat == ReportFormat::Csv;
    if (csv && !writeChecked(out, status::csvHeader(), err, "the samples")) return kExitCouldNotRun;
    WatchOutput output(options, program.context().platform.savedFiles, out, err);
    status::LinkEventTracker tracker;
    status::LinkEventCounts counts;
    const platform::Millis start = clock.now();
    for (std::uint64_t n = 1; !options.watchCount || n <= *options.watchCount; ++n) {
        // The samples keep to the interval from the start, as the pages' timer does, however
        // long each one takes.
        const platform::Millis due =
            start + static_cast<platform::Millis>(n) * options.watchIntervalMs;
        if (manual) {
            manual->advanceTo(due, [&manual] { manual->waitForQuiet(); });
            if (interrupt.waitFor(0)) break;
        } else {
            bool interrupted = false;
            for (platform::Millis now = clock.now(); now < due && !interrupted; now = clock.now())
                interrupted = interrupt.waitFor(due - now);
            if (interrupted) break;
        }
        status::StatusSnapshot snapshot =
            status::takeStatusSnapshot(program.application().adapterState());
        const platform::WallTime time = clock.wallTime();
        status::LinkSample sample =
            status::sampleOf(time, clock.now(), &snapshot.link, &snapshot.diagnostics);
        std::string text =
            watchText(options.reportFormat, tracker.observe(sample, n), sample, snapshot, counts);
        if (!output.write(text)) return kExitCouldNotRun;
    }
    return kExitSuccess;
}

}  // namespace zlx::launcher
