// Whole runs of the suite on simulated machines, through the report's run (the same tests the
// test window's worker runs).

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "clientsuite/client_worker.h"
#include "clientsuite/report_run.h"
#include "clientsuite/suite_report.h"
#include "context/user_messages.h"
#include "support/program_fixture.h"
#include "support/recording_window.h"
#include "wlan/interfaces.h"

namespace zlx::clientsuite {
namespace {

using zlx::testing::ProgramFixture;

const std::filesystem::path kScenarios = std::filesystem::path(ZLX_SOURCE_DIR) / "scenarios";

struct SuiteRun {
    // `endRequestedAfter`: the number of progress lines after which the program is asked to end.
    explicit SuiteRun(const std::string& scenario,
                      std::size_t endRequestedAfter = std::numeric_limits<std::size_t>::max())
        : f(scenario.empty() ? sim::loadDefaultScenario()
                             : sim::loadScenarioFile((kScenarios / scenario).string())) {
        report = runReport(
            f.context(), f.clock(), *chooseReportAdapter(f.context(), std::nullopt),
            [this](const std::string& step) { progress.push_back(step); },
            [this, endRequestedAfter] { return progress.size() >= endRequestedAfter; });
    }
    std::string statuses() const {
        std::string words;
        for (const auto& test : report->suite.tests())
            words += std::string(words.empty() ? "" : " ") + statusWord(test->status());
        return words;
    }
    const GenericTest& test(std::size_t i) const { return *report->suite.tests().at(i); }

    ProgramFixture f;
    std::vector<std::string> progress;
    std::unique_ptr<ClientReport> report;
};

TEST(SuiteRunTest, DefaultMachinePassesAllSixAndPingsTheGateway) {
    SuiteRun run("");
    EXPECT_EQ(run.statuses(), "passed passed passed passed passed passed");
    const std::string& details = run.test(5).details();
    EXPECT_NE(details.find("Default Gateway . . . . . : 192.168.10.1\r\n"
                           "Pinging 192.168.10.1 with 32 bytes of data:\r\n"),
              std::string::npos)
        << details;
    EXPECT_TRUE(details.ends_with("Minimum = 1ms, Maximum = 3ms, Average = 1ms\r\n")) << details;
    // Six pauses and the ping's own time: nothing else waits.
    EXPECT_EQ(run.f.clock().now(), 6 * 100 + 3050);
    EXPECT_EQ(run.f.machine().calls().count("ping(\"192.168.10.1\", limit=15000)"), 1u);
    EXPECT_EQ(run.progress.at(5), "Network test");
    EXPECT_EQ(run.progress.back(), "pinging 192.168.10.1");
}

// On the manual clock the run is the driving thread's own: a request to end, seen when the
// third test starts, lets that test finish and runs nothing after it, not even a pause.
TEST(SuiteRunTest, ARequestToEndStopsTheRunAtItsNextStep) {
    SuiteRun run("", 2);
    EXPECT_EQ(run.statuses(), "passed passed passed notRun notRun notRun");
    EXPECT_EQ(run.progress.size(), 3u);
    EXPECT_EQ(run.f.clock().now(), 2 * 100);
}

TEST(SuiteRunTest, EdgeCasesOfTheMachine) {
    struct Case {
        const char* scenario;
        const char* statuses;
        std::size_t test;       // whose details are checked
        const char* inDetails;  // a part of them ("" for empty details)
    } cases[] = {
        {"client-driver-file-empty.json", "failed passed passed passed passed passed", 0,
         "Driver path . . . . . . . : C:\\Windows\\system32\\DRIVERS\\nvzlx64.sys"},
        {"client-unidentified-fallback-driver.json", "passed passed passed passed passed passed", 0,
         "Driver path . . . . . . . : C:\\Windows\\system32\\drivers\\nvrwx.sys\r\n"},
        {"client-empty-driver-path.json", "failed passed passed passed passed passed", 0,
         "The radio's registry keys are OK.\r\nDriver path"},
        {"radio-off-hardware.json", "passed passed failed failed failed failed", 3,
         "Not Associated"},
        {"client-open-network.json", "passed passed passed passed bypassed passed", 4, ""},
        {"client-wpa2-personal.json", "passed passed passed passed passed passed", 4,
         "Link Status . . . . . . . : Associated"},
        {"client-authenticating.json", "passed passed passed failed authenticating passed", 4,
         "Authenticating..."},
        {"client-ssid-32.json", "passed passed passed passed passed passed", 3,
         "AP Name . . . . . . . . . : ZLX-Office-Building-7-Floor-3-AP\r\n"},
        {"client-hidden-ssid.json", "passed passed passed passed passed passed", 3,
         "AP Name . . . . . . . . . : unavailable"},
        {"client-dhcp-no-gateway.json", "passed passed passed passed passed passed", 5,
         "Default Gateway . . . . . : \r\nThere is no default gateway to ping.\r\n"},
        {"autoconfig-address.json", "passed passed passed passed passed failed", 5,
         "Your IP address is auto-configured but you have not received IP address.\r\n"},
        {"client-address-zero.json", "passed passed passed passed passed failed", 5,
         "Your IP address: 0.0.0.0."},
        {"client-static-outside-subnet.json", "passed passed passed passed passed failed", 5,
         "Your IP address might not be correct."},
        {"client-static-gateway-zero.json", "passed passed passed passed passed failed", 5,
         "Default Gateway is empty."},
        {"client-static-gateway-ipv6.json", "passed passed passed passed passed failed", 5,
         "Default Gateway is not an IPv4 address: fe80::1\r\n"},
        {"client-static-no-mask.json", "passed passed passed passed passed failed", 5,
         "Your subnet mask is empty or not valid."},
        {"client-several-ip-adapters.json", "passed passed passed passed passed passed", 5,
         "IP Address. . . . . . . . : 192.168.10.57\r\n"},
        // A ping still running at the limit is judged by what it printed: nothing, no answer.
        {"client-ping-never-ends.json", "passed passed passed passed passed failed", 5,
         "Default Gateway . . . . . : 192.168.10.1\r\n"},
        {"client-ping-cannot-start.json", "passed passed passed passed passed passed", 5,
         "Default Gateway . . . . . : 192.168.10.1\r\n"
         "The ping of the default gateway could not be started.\r\n"},
        // An answer is an echo reply, whatever the statistics count.
        {"client-ping-no-reply.json", "passed passed passed passed passed failed", 5,
         "Request timed out.\r\n"},
        {"client-ping-unreachable.json", "passed passed passed passed passed failed", 5,
         "Reply from 192.168.10.57: Destination host unreachable.\r\n"},
        // Control characters and direction marks from the ping never reach a window or a log.
        {"client-ping-control-characters.json", "passed passed passed passed passed passed", 5,
         "Reply from 192.168.10.1: \uFFFD[2Jbytes=32 time=2ms TTL=64\r\n"
         "Reply from 192.168.10.1: bytes=32 \uFFFDtime=1ms TTL=64\r\n"
         "Reply from 192.168.10.1: bytes=32\uFFFD time=1ms TTL=64\r\n"},
        {"client-gateway-not-an-address.json", "passed passed passed passed passed passed", 5,
         "Default Gateway . . . . . : 192.168.10.1 & calc.exe\r\n"
         "Default Gateway is not an IPv4 address: 192.168.10.1 & calc.exe\r\n"},
        // The service still lists the interface, so the card counts as inserted.
        {"client-card-removed.json", "failed passed failed failed failed failed", 5, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scenario);
        SuiteRun run(c.scenario);
        EXPECT_EQ(run.statuses(), c.statuses);
        const std::string& details = run.test(c.test).details();
        if (*c.inDetails == 0) {
            EXPECT_EQ(details, "");
        } else {
            EXPECT_NE(details.find(c.inDetails), std::string::npos) << details;
        }
    }
}

TEST(SuiteRunTest, PingsThatDoNotEndInTimeAreCutOffAndJudged) {
    SuiteRun never("client-ping-never-ends.json");
    EXPECT_TRUE(
        never.test(5).details().ends_with("Default Gateway . . . . . : 192.168.10.1\r\n"
                                          "The ping was cut off after 15 seconds.\r\n"));
    EXPECT_EQ(never.test(5).result(), "The default gateway did not answer.");
    EXPECT_EQ(never.f.clock().now(), 6 * 100 + 15000);
    EXPECT_EQ(never.f.machine().calls().count(
                  "ping(\"192.168.10.1\", limit=15000) -> ended at the limit"),
              1u);
    SuiteRun unchecked("client-gateway-not-an-address.json");
    EXPECT_EQ(unchecked.f.machine().calls().count("ping("), 0u);
}

TEST(SuiteRunTest, TheReportSaysPassedOnlyWhenEveryTestPassedOrWasBypassed) {
    EXPECT_EQ(reportExitStatus(SuiteRun("client-open-network.json").report->suite), 0);
    EXPECT_EQ(reportExitStatus(SuiteRun("client-authenticating.json").report->suite), 1);
    EXPECT_EQ(reportExitStatus(SuiteRun("client-card-removed.json").report->suite), 1);
}

TEST(ClientWorkerTest, ThirtySixLinesThenTestsCompleteToTheWindowItWaitedFor) {
    auto f = ProgramFixture::defaultMachine();
    zlx::testing::RecordingWindow page(f.desktop()), window(f.desktop()), later(f.desktop());
    f.context().troubleshootingPage = page.handle();
    f.context().testWindowHandle = window.handle();
    context::WlanSelection selection;
    {
        wlan::InterfaceList interfaces(f.context().platform.wlan, f.context().platform.rpc);
        wlan::selectInterface(selection, f.context().platform.wlan, f.context().platform.rpc,
                              interfaces.guidTexts().at(0));
        selection.selectedAdapterDescription = interfaces.descriptions().at(0);
    }
    {
        ClientTestWorker worker(f.context(), selection);
        f.clock().waitForQuiet();
        // A later window appears while the run goes on: the run keeps to its own.
        f.context().testWindowHandle = later.handle();
        f.clock().advanceTo(10000, [&] { f.desktop().dispatchAll(); });
        EXPECT_TRUE(worker.finished());
    }
    f.desktop().dispatchAll();
    ASSERT_EQ(window.got.size(), 37u);
    const std::uint64_t kinds[] = {10, 20, 30, 40, 60, 70};
    for (std::size_t i = 0; i < 36; ++i) {
        EXPECT_EQ(window.got[i].id, context::kWmAddTestLine);
        EXPECT_EQ(window.got[i].wParam, kinds[i % 6]) << i;
    }
    EXPECT_EQ(window.got[36].id, context::kWmShowTestsComplete);
    EXPECT_TRUE(later.got.empty());
    // The page: WM_USER+10 from the suite, and the wait cursor on and off around the network
    // test.
    ASSERT_EQ(page.got.size(), 3u);
    EXPECT_EQ(page.got[0].id, context::kWmOpenTestWindow);
    EXPECT_EQ(page.got[0].lParam, 0);
    EXPECT_EQ(page.got[1].id, context::kWmNetworkTestBusy);
    EXPECT_EQ(page.got[1].lParam, 1);
    EXPECT_EQ(page.got[2].lParam, 0);
}

TEST(ClientWorkerTest, TheWaitForTheTestWindowEndsWhenTheProgramEnds) {
    auto f = ProgramFixture::defaultMachine();
    {
        ClientTestWorker worker(f.context(), f.context().selection);
        // No window ever opens: the driver test looks for one every second.
        f.clock().waitForQuiet();
        f.clock().advanceTo(5000, nullptr);
        EXPECT_FALSE(worker.finished());
    }  // the program ends here: the destructor ends the wait and joins the worker
    EXPECT_EQ(f.clock().now(), 5000);
}

}  // namespace
}  // namespace zlx::clientsuite
