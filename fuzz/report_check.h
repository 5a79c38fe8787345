#pragma once
// The report of one client-managed run, checked as a script reading it relies on: the JSON
// parses, and the text carries no raw control byte but its line breaks. Shared by the fuzz
// targets that feed the report a machine of their making.

#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>

#include "app/process_start.h"
#include "clientsuite/report_run.h"
#include "clientsuite/suite_report.h"
#include "launcher/program.h"
#include "launcher/run_parts.h"
#include "ui/headless.h"

namespace zlx::fuzzing {

inline void checkReport(const sim::Scenario& scenario) {
    platform::ManualClock clock(scenario.machine.localTimeStart);
    ui::HeadlessServices services;
    launcher::Program program(scenario, clock, services, launcher::InstanceScope::ownProcess(),
                              launcher::processHandleBase());
    app::initialiseProcess(program.application().adapterState());
    auto adapter = clientsuite::chooseReportAdapter(program.context(), std::nullopt);
    auto report = clientsuite::runReport(program.context(), clock, *adapter, nullptr);
    std::string json = clientsuite::formatReportJson(*report);
    if (!nlohmann::json::accept(json)) std::abort();
    for (unsigned char c : clientsuite::formatReportText(*report))
        if ((c < 0x20 && c != '\n') || c == 0x7F) std::abort();
}

}  // namespace zlx::fuzzing
