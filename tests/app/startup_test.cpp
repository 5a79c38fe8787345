// The program's start: one instance, the command line, the status sheet, help.

#include <gtest/gtest.h>

#include <cstdio>
#include <exception>

#include "platform/host.h"
#include "status/status_sheet.h"
#include "support/program_fixture.h"
#include "troubleshooting/troubleshooting_page.h"
#include "ui/dialog.h"

namespace zlx::app {
namespace {

using zlx::testing::ProgramFixture;

status::StatusSheet& sheetOf(ProgramFixture& f) {
    return *dynamic_cast<status::StatusSheet*>(f.desktop().find(f.context().mainWindow));
}

TEST(StartupTest, SheetOpensOnCurrentStatusWithThreePagesInOrder) {
    auto f = ProgramFixture::defaultMachine();
    f.then([&] {
        auto& sheet = sheetOf(f);
        EXPECT_EQ(sheet.title(), "ZLX Client Diagnostics");
        ASSERT_EQ(sheet.pageCount(), 3);
        EXPECT_EQ(sheet.page(0).caption(), "Current Status");
        EXPECT_EQ(sheet.page(1).caption(), "Troubleshooting");
        EXPECT_EQ(sheet.page(2).caption(), "Diagnostics");
        EXPECT_EQ(sheet.activeIndex(), 0);
        EXPECT_FALSE(sheet.troubleshootingPage().created());
        EXPECT_EQ(f.desktop().modalStack().size(), 1u);
        EXPECT_FALSE(sheet.control(ui::kIdHelp) == nullptr);
    });
    EXPECT_EQ(f.run(), 0);
    EXPECT_EQ(f.context().mainWindow, ui::kNoWindow);
}

TEST(StartupTest, RefreshGoesToTheActivePageEveryTwoSeconds) {
    auto f = ProgramFixture::defaultMachine();
    status::StatusSheet* sheet = nullptr;
    f.then([&] {
         sheet = &sheetOf(f);
         f.driver().advanceBy(1999);
     })
        .then([&] {
            EXPECT_EQ(sheet->linkStatusPage().refreshCount(), 0);  // empty for two seconds
            f.driver().advanceBy(1);
        })
        .then([&] {
            EXPECT_EQ(sheet->linkStatusPage().refreshCount(), 1);
            sheet->setActivePage(2);
            f.driver().advanceBy(4000);
        })
        .then([&] {
            EXPECT_EQ(sheet->linkStatusPage().refreshCount(), 1);
            EXPECT_EQ(sheet->diagnosticsPage().refreshCount(), 2);
            sheet->setActivePage(1);  // the troubleshooting page ignores the refresh
            f.driver().advanceBy(2000);
        })
        .then([&] {
            EXPECT_EQ(sheet->linkStatusPage().refreshCount(), 1);
            EXPECT_EQ(sheet->diagnosticsPage().refreshCount(), 2);
        });
    f.run();
}

TEST(StartupTest, SharedMainWindowIsWrittenWhenTheTroubleshootingPageFirstShows) {
    auto f = ProgramFixture::defaultMachine();
    platform::host::NativeSingleInstance other(platform::host::kInstanceMutexName,
                                               f.instanceScope());
    f.then([&] {
         EXPECT_EQ(other.readSharedMainWindow(), 0u);
         sheetOf(f).setActivePage(1);
     }).then([&] {
        EXPECT_EQ(other.readSharedMainWindow(), f.context().mainWindow);
        EXPECT_EQ(f.context().troubleshootingPage, sheetOf(f).troubleshootingPage().handle());
    });
    f.run();
}

TEST(StartupTest, SecondCopyShowsNothingAndEnds) {
    auto first = ProgramFixture::defaultMachine();
    platform::host::NativeSingleInstance holder(platform::host::kInstanceMutexName,
                                                first.instanceScope());
    ASSERT_TRUE(holder.createMutex());
    bool stepRan = false;
    first.then([&] { stepRan = true; });
    EXPECT_EQ(first.run(), 0);
    EXPECT_FALSE(stepRan);
    EXPECT_TRUE(first.desktop().windows().empty());
}

TEST(StartupTest, IntegerExceptionLeavesDiagnosticModeAndEndsQuietly) {
    auto f = ProgramFixture::defaultMachine();
    f.then([] { throw 42; });
    EXPECT_EQ(f.run(), 0);
    // The adapter selections ask the driver for its vendor text; the service hears only the
    // leave request.
    std::vector<sim::IhvRequest> requests;
    for (const auto& r : f.machine().ihvRequests())
        if (r.type == platform::kWlanIhvControlService) requests.push_back(r);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].type, platform::kWlanIhvControlService);
    EXPECT_EQ(requests[0].request[4], 1);  // leave
}

TEST(StartupTest, IntegerExceptionUnderUSendsNothing) {
    auto f = ProgramFixture::defaultMachine();
    f.then([] { throw 42; });
    f.run({"-u"});
    for (const auto& r : f.machine().ihvRequests())
        EXPECT_EQ(r.type, platform::kWlanIhvControlDriver);
}

// The runtime's terminate handler takes no argument: the child of the death test finds its
// machine here.
sim::SimMachine* terminatingMachine = nullptr;

void reportLeaveRequestsAndAbort() {
    int leaves = 0;
    for (const auto& r : terminatingMachine->ihvRequests())
        if (r.type == platform::kWlanIhvControlService && r.request[4] == 1) ++leaves;
    std::fprintf(stderr, "leave requests: %d\n", leaves);
    std::abort();
}

TEST(StartupDeathTest, UnhandledExceptionSendsTheLeaveRequestFirst) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            auto f = ProgramFixture::defaultMachine();
            terminatingMachine = &f.machine();
            // The program's handler runs first, then hands over to this one.
            std::set_terminate(&reportLeaveRequestsAndAbort);
            f.then([] { []() noexcept { (void)std::vector<int>().at(1); }(); });
            f.run();
        },
        "leave requests: 1");
}

TEST(StartupTest, AboutBoxFromTheWindowMenuOfTheTroubleshootingPage) {
    auto f = ProgramFixture::defaultMachine();
    std::string aboutTitle;
    f.then([&] { sheetOf(f).setActivePage(1); })
        .then([&] {
            auto& page = sheetOf(f).troubleshootingPage();
            ASSERT_EQ(page.systemMenu().size(), 1u);
            EXPECT_EQ(page.systemMenu()[0].text, "&About QORDEX...");
            f.desktop().send(page.handle(), ui::kWmSysCommand, 16 | 0x3);
        })
        .then([&] {
            aboutTitle = f.desktop().activeWindow()->title();
            f.desktop().send(f.desktop().activeWindow()->handle(), ui::kWmCommand,
                             ui::makeCommandParam(ui::kIdOk, ui::kBnClicked));
        })
        .then([&] { EXPECT_EQ(f.desktop().modalStack().size(), 1u); });
    f.run();
    EXPECT_EQ(aboutTitle, "About QORDEX");
}

}  // namespace
}  // namespace zlx::app

namespace zlx::app {
namespace {

TEST(StartupTest, NotificationRegistrationEndsWhenTheSheetCloses) {
    auto f = ProgramFixture::defaultMachine();
    f.then([&] { sheetOf(f).setActivePage(1); }).then([&] {
        f.desktop().send(f.context().mainWindow, ui::kWmClose);
    });
    f.run();
    auto calls = f.machine().calls().all();
    std::vector<std::string> registrations;
    for (const auto& c : calls)
        if (c.rfind("WlanRegisterNotification", 0) == 0) registrations.push_back(c);
    ASSERT_EQ(registrations.size(), 2u);
    EXPECT_NE(registrations[0].find("source=0x48"), std::string::npos);
    EXPECT_NE(registrations[1].find("source=0x0"), std::string::npos);
    // The notification handle, the adapter state's details and the Diagnostics page's
    // interface list remain: they belong to the run and close when the program ends.
    EXPECT_EQ(f.machine().openWlanHandles(), 3u);
}

}  // namespace
}  // namespace zlx::app
