#include "launcher/status_command.h"

#include <memory>
#include <optional>

#include "adapterinfo/adapter_state.h"
#include "app/process_start.h"
#include "launcher/checked_output.h"
#include "launcher/exit_status.h"
#include "launcher/headless_run.h"
#include "launcher/program.h"
#include "launcher/run_machine.h"
#include "status/link_history.h"
#include "status/status_format.h"
#include "status/status_sheet.h"
#include "ui/headless.h"
#ifndef _WIN32
#include <unistd.h>

#include <cstring>
#include <iostream>

#include "platform/posix/interrupt_wait.h"
#else
#include <chrono>
#include <thread>
#endif

namespace zlx::launcher {

namespace {

// What writeOutput returns when the output failed; 0 is written, and more is a signal.
constexpr int kOutputFailed = -1;

#ifdef _WIN32
// Without a console handler, Ctrl+C ends the process as it always has; every line printed
// before it is out already, since each is flushed.
class InterruptWait {
  public:
    int waitFor(platform::Millis duration) {
        if (duration > 0) std::this_thread::sleep_for(std::chrono::milliseconds(duration));
        return 0;
    }
};

// Writes `text` whole: 0 when written, kOutputFailed (said on `err`) when not.
int writeOutput(InterruptWait&, std::ostream& out, std::string_view text, std::ostream& err) {
    return writeChecked(out, text, err) ? 0 : kOutputFailed;
}
#else
using platform::posix::InterruptWait;

// Writes `text` whole: 0 when written, kOutputFailed (said on `err`) when the output failed,
// or the signal of a request to end that came while a reader kept the write waiting. Standard
// output is written through its descriptor, so that such a request ends the write; any other
// stream is written as it is.
int writeOutput(InterruptWait& interrupt, std::ostream& out, std::string_view text,
                std::ostream& err) {
    if (out.rdbuf() != std::cout.rdbuf()) return writeChecked(out, text, err) ? 0 : kOutputFailed;
    std::cout.flush();
    InterruptWait::Written written = interrupt.write(STDOUT_FILENO, text);
    if (!written.error) return written.signal;
    err << "zlxdiag: cannot write the output: " << std::strerror(written.error) << "\n";
    return kOutputFailed;
}
#endif

// The program put together as far as the status pages need it: the adapter chosen at start,
// then the Diagnostics page's choice, which the sheet makes before its first refresh.
void prepareStatus(Program& program) {
    adapterinfo::AdapterStateContext state = program.application().adapterState();
    app::initialiseProcess(state);
    adapterinfo::selectForDiagnosticsPage(state);
}

// The simulated machine's clock starts at its scenario's local time; a manual clock asked for
// on the real machine starts at the default one.
std::unique_ptr<platform::ManualClock> manualClockFor(const RunMachine& machine) {
    if (machine.real()) return std::make_unique<platform::ManualClock>();
    return std::make_unique<platform::ManualClock>(machine.scenario->machine.localTimeStart,
                                                   machine.scenario->machine.timeZoneOffsetMinutes);
}

}  // namespace

int runStatusCommand(const LaunchOptions& options, std::ostream& out, std::ostream& err) {
    // Before anything is made and any thread starts, so that a request at any point is taken
    // here and what the run made is removed.
    InterruptWait interrupt;
    auto machine = chooseMachine(options, err);
    if (!machine) return kExitCouldNotRun;
    ScriptedInstanceScope instanceScope;
    if (!instanceScope.usable(err)) return kExitCouldNotRun;
    std::unique_ptr<platform::ManualClock> manual;
    std::unique_ptr<platform::RealClock> real;
    if (machine->real())
        real = std::make_unique<platform::RealClock>();
    else
        manual = manualClockFor(*machine);
    platform::Clock& clock = manual ? static_cast<platform::Clock&>(*manual) : *real;
    ui::HeadlessServices services;
    Program program(*machine, clock, services, instanceScope.path(), processHandleBase());
    prepareStatus(program);
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
                           : status::formatStatusText(snapshot);
    int written = writeOutput(interrupt, out, text, err);
    return written == 0               ? kExitSuccess
           : written == kOutputFailed ? kExitCouldNotRun
                                      : 128 + written;
}

int runWatchCommand(const LaunchOptions& options, std::ostream& out, std::ostream& err) {
    // Before any thread starts, so that none of them takes Ctrl+C from the loop.
    InterruptWait interrupt;
    auto machine = chooseMachine(options, err);
    if (!machine) return kExitCouldNotRun;
    ScriptedInstanceScope instanceScope;
    if (!instanceScope.usable(err)) return kExitCouldNotRun;
    std::unique_ptr<platform::ManualClock> manual;
    std::unique_ptr<platform::RealClock> real;
    if (options.manualClock)
        manual = manualClockFor(*machine);
    else
        real = std::make_unique<platform::RealClock>();
    platform::Clock& clock = manual ? static_cast<platform::Clock&>(*manual) : *real;
    ui::HeadlessServices services;
    Program program(*machine, clock, services, instanceScope.path(), processHandleBase());
    prepareStatus(program);

    const bool csv = options.reportFormat == ReportFormat::Csv;
    // A request that ends a write a reader keeps waiting ends the watch as one between two
    // samples does.
    auto endOfWrite = [&](std::string_view text) -> std::optional<int> {
        int written = writeOutput(interrupt, out, text, err);
        if (written == 0) return std::nullopt;
        return written == kOutputFailed ? kExitCouldNotRun : kExitSuccess;
    };
    if (csv)
        if (auto end = endOfWrite(status::csvHeader())) return *end;
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
        if (auto end = endOfWrite(lines)) return *end;
    }
    return kExitSuccess;
}

}  // namespace zlx::launcher
