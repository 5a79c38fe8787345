#include "launcher/status_command.h"

#include <memory>
#include <optional>

#include "adapterinfo/adapter_state.h"
#include "app/process_start.h"
#include "launcher/checked_output.h"
#include "launcher/exit_status.h"
#include "launcher/named_adapter.h"
#include "launcher/program_run.h"
#include "status/link_history.h"
#include "status/status_format.h"
#include "status/status_sheet.h"
#include "ui/headless.h"
#ifndef _WIN32
#include "platform/posix/interrupt_wait.h"
#else
#include <chrono>
#include <thread>
#endif

namespace zlx::launcher {

namespace {

#ifdef _WIN32
// Without a console handler, Ctrl+C ends the process as it always has; every line printed
// before it is out already, since each is flushed.
class InterruptWait {
  public:
    bool waitFor(platform::Millis duration) {
        if (duration > 0) std::this_thread::sleep_for(std::chrono::milliseconds(duration));
        return false;
    }
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
    status::LinkEventTracker tracker;
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
        std::string lines;
        for (const status::LinkEvent& event : tracker.observe(sample, n))
            lines += csv ? status::csvEventRow(event) : status::formatEventJsonLine(event);
        lines += csv ? status::csvSampleRow(sample) : status::formatSampleJsonLine(time, snapshot);
        if (!writeChecked(out, lines, err, "the samples")) return kExitCouldNotRun;
    }
    return kExitSuccess;
}

}  // namespace zlx::launcher
