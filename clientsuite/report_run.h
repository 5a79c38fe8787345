#pragma once
// The client-managed run without windows, for the report: the same suite and tests as the test
// window's run, with the report standing in for the window the driver test waits for.

#include <functional>
#include <memory>
#include <string>

#include "clientsuite/test_suite.h"
#include "context/app_context.h"
#include "platform/clock.h"

namespace zlx::clientsuite {

struct ClientReport {
    adapterinfo::AdapterDetails details;
    TestSuite suite;
};

// Runs the suite for the selected adapter on a worker thread while this thread, which drives
// `clock`, moves time on whenever the worker waits. `progress` gets one line at each test and
// when the ping starts. When `interrupted` says true (the program was asked to end) the run
// stops at its next step.
std::unique_ptr<ClientReport> runReport(context::AppContext& ctx, platform::ManualClock& clock,
                                        const std::function<void(const std::string&)>& progress,
                                        const std::function<bool()>& interrupted = {});

}  // namespace zlx::clientsuite
