#include "clientsuite/report_prometheus.h"

#include "clientsuite/suite_report.h"
#include "platform/exposition.h"

namespace zlx::clientsuite {

namespace {

using platform::MetricType;

constexpr TestStatus kStatuses[] = {TestStatus::Passed,  TestStatus::Failed,
                                    TestStatus::NotRun,  TestStatus::Bypassed,
                                    TestStatus::Aborted, TestStatus::Authenticating};

}  // namespace

std::string formatReportPrometheus(const ClientReport& report) {
    platform::Exposition out;
    const std::string_view interface = report.adapter.guidText;
    out.family("zlx_report_test_status", MetricType::Gauge,
               "Each client-managed test's outcome: 1 for the status it ended with, else 0.");
    for (const auto& test : report.suite.tests())
        for (TestStatus status : kStatuses)
            out.sample(
                "zlx_report_test_status",
                {{"interface", interface}, {"test", test->id()}, {"status", statusWord(status)}},
                test->status() == status);
    out.family("zlx_report_passed", MetricType::Gauge,
               "Whether every test passed or was bypassed (1) or not (0).");
    out.sample("zlx_report_passed", {{"interface", interface}},
               reportExitStatus(report.suite) == 0);
    if (report.header.startedUnixSeconds) {
        out.family("zlx_report_start_time_seconds", MetricType::Gauge,
                   "When the run started, in seconds since 1970-01-01 00:00:00 UTC.");
        out.sample("zlx_report_start_time_seconds", {{"interface", interface}},
                   *report.header.startedUnixSeconds);
    }
    out.family("zlx_report_duration_seconds", MetricType::Gauge, "How long the run took.");
    out.sample("zlx_report_duration_seconds", {{"interface", interface}},
               static_cast<double>(report.durationMs) / 1000.0);
    return out.take();
}

}  // namespace zlx::clientsuite
