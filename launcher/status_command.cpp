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
#include <unistd.h>

#include <cstring>
#include <iostream>

#include "platform/posix/interrupt_wait.h"
#else
#include <algorithm>
#include <chrono>
#include <thread>

#include "platform/termination_signals.h"
#endif

namespace zlx::launcher {

namespace {

// What writeOutput returns when the output failed; 0 is written, and more is a signal.
constexpr int kOutputFailed = -1;

#ifdef _WIN32
// Ctrl+C is remembered by the C runtime's console handler and seen here, between two samples,
// in slices short enough that the watch ends promptly; a sample being written is finished
// first, so a file that --output rewrites is never left half-done.
class InterruptWait {
  public:
    int waitFor(platform::Millis duration) {
        constexpr platform::Millis kSlice = 100;
        for (;;) {
            if (int signal = requests_.received()) return signal;
            if (duration <= 0) return 0;
            const platform::Millis slice = std::min(duration, kSlice);
            std::this_thread::sleep_for(std::chrono::milliseconds(slice));
            duration -= slice;
        }
    }

  private:
    platform::TerminationSignals requests_;
};

// Writes `text` whole: 0 when written, kOutputFailed (said on `err`) when not.
int writeOutput(InterruptWait&, std::ostream& out, std::string_view text, std::ostream& err,
                std::string_view what) {
    return writeChecked(out, text, err, what) ? 0 : kOutputFailed;
}
#else
using platform::posix::InterruptWait;

// Writes `text` whole: 0 when written, kOutputFailed (said on `err`) when the output failed,
// or the signal of a request to end that came while a reader kept the write waiting. Standard
// output is written through its descriptor, so that such a request ends the write; any other
// stream is written as it is.
int writeOutput(InterruptWait& interrupt, std::ostream& out, std::string_view text,
                std::ostream& err, std::string_view what) {
    if (out.rdbuf() != std::cout.rdbuf())
        return writeChecked(out, text, err, what) ? 0 : kOutputFailed;
    std::cout.flush();
    InterruptWait::Written written = interrupt.write(STDOUT_FILENO, text);
    if (!written.error) return written.signal;
    err << "zlxdiag: " << what
        << " could not be written to standard output: " << std::strerror(written.error) << "\n";
    return kOutputFailed;
}
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

// --output: the file rewritten whole through a temporary beside it, so a collector never
// reads half of it.
bool writeWholeFile(platform::SavedFiles& files, const std::string& path, const std::string& text,
                    std::ostream& err) {
    std::string reason;
    if (files.replaceFile(path, text, reason)) return true;
    err << platform::escapeControls("zlxdiag: cannot write " + path + ": " + reason) << "\n";
    return false;
}

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
    // Before anything is made and any thread starts, so that a request at any point is taken
    // here and what the run made is removed.
    InterruptWait interrupt;
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
            if (int signal = interrupt.waitFor(status::kRefreshPeriod - now)) return 128 + signal;
    }
    // A run a request ended is no result: nothing is printed that a script could take for one.
    if (int signal = interrupt.waitFor(0)) return 128 + signal;
    status::StatusSnapshot snapshot =
        status::takeStatusSnapshot(program.application().adapterState());
    std::string text = options.reportFormat == ReportFormat::Json
                           ? status::formatStatusJson(snapshot)
                       : options.reportFormat == ReportFormat::Prometheus
                           ? status::formatStatusPrometheus(snapshot)
                           : status::formatStatusText(snapshot);
    int written = writeOutput(interrupt, out, text, err, "the status");
    return written == 0               ? kExitSuccess
           : written == kOutputFailed ? kExitCouldNotRun
                                      : 128 + written;
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
    // A request that ends a write a reader keeps waiting ends the watch as one between two
    // samples does.
    auto endOfWrite = [&](std::string_view text) -> std::optional<int> {
        int written = writeOutput(interrupt, out, text, err, "the samples");
        if (written == 0) return std::nullopt;
        return written == kOutputFailed ? kExitCouldNotRun : kExitSuccess;
    };
    if (csv)
        if (auto end = endOfWrite(status::csvHeader())) return *end;
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
        if (options.outputPath) {
            if (!writeWholeFile(program.context().platform.savedFiles, *options.outputPath, text,
                                err))
                return kExitCouldNotRun;
        } else if (auto end = endOfWrite(text)) {
            return *end;
        }
    }
    return kExitSuccess;
}

}  // namespace zlx::launcher
