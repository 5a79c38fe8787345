#pragma once
// The report of a client-managed run as Prometheus metrics (the text exposition format 0.0.4),
// so that a scheduled report shows on the same dashboards as the link's values: each test's
// outcome as a state set, whether the run passed, when it started and how long it took.

#include <string>

#include "clientsuite/report_run.h"

namespace zlx::clientsuite {

std::string formatReportPrometheus(const ClientReport& report);

}  // namespace zlx::clientsuite
