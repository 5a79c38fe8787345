#pragma once
// The report of a client-managed run as text for people and as JSON for scripts.

#include <string>

#include "clientsuite/report_run.h"

namespace zlx::clientsuite {

// "passed", "failed", "notRun", "bypassed", "aborted", "authenticating".
const char* statusWord(TestStatus status);

// 0 when every test passed or was bypassed, else 1.
int reportExitStatus(const TestSuite& suite);

std::string formatReportText(const ClientReport& report);
std::string formatReportJson(const ClientReport& report);

}  // namespace zlx::clientsuite
