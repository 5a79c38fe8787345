#pragma once
// The client-managed run without windows, for the report: the same suite and tests as the test
// window's run, with the report standing in for the window the driver test waits for.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "adapterinfo/run_header.h"
#include "clientsuite/check_suite.h"
#include "context/app_context.h"
#include "platform/clock.h"

namespace zlx::clientsuite {

// How the report's adapter was chosen.
enum class AdapterChoice {
    FirstInterface,  // the first wireless interface, as the Troubleshooting page offers it
    Named,           // the interface --adapter names
    NoInterface,     // the machine has none: the tests judge an empty selection
};

struct ReportAdapter {
    context::WlanSelection selection;
    std::string guidText;
    AdapterChoice choice = AdapterChoice::NoInterface;
    // The result of listing the interfaces (opening the client handle, then enumerating).
    platform::Win32Error listResult = platform::kErrorSuccess;
};

// The adapter the report tests: the interface whose description or GUID (letter case, and a
// GUID's braces, aside) is `name`, else the first one, as in the test window's run. Nothing when
// `name` names no interface.
std::optional<ReportAdapter> chooseReportAdapter(context::AppContext& ctx,
                                                 const std::optional<std::string>& name);

// The interfaces there are to choose from, one "description  GUID" a line.
std::string interfaceChoices(context::AppContext& ctx);

struct ClientReport {
    adapterinfo::RunHeader header;
    ReportAdapter adapter;
    adapterinfo::AdapterDetails details;
    TestSuite suite;
    platform::Millis durationMs = 0;  // from the start of the run to its end, on its clock
};

// Runs the suite for `adapter`. On a manual clock that this thread drives, the run is this
// thread's own and its waits move the clock. Otherwise it runs on a worker thread while this one
// moves a manual clock on whenever the worker waits, or waits for it on the real clock. `progress`
// gets one line at each test and when the ping starts. When `interrupted` says true (the program
// was asked to end) the run stops at its next step.
std::unique_ptr<ClientReport> runReport(context::AppContext& ctx, platform::Clock& clock,
                                        const ReportAdapter& adapter,
                                        const std::function<void(const std::string&)>& progress,
                                        const std::function<bool()>& interrupted = {});

}  // namespace zlx::clientsuite
