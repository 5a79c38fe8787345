// The notification routine: what each event does in each run state.

#include "diagchannel/notification_client.h"

#include <gtest/gtest.h>

#include "context/user_messages.h"
#include "diagchannel/ihv_events.h"
#include "sim/ihv_service.h"
#include "support/program_fixture.h"
#include "support/recording_window.h"
#include "ui/dialog.h"

namespace zlx::diagchannel {
namespace {

using context::RunState;
using context::runStateName;
using zlx::testing::ProgramFixture;

using Sink = zlx::testing::RecordingWindow;

struct Posted {
    std::uint32_t message;
    bool toPage;  // else to the test window
    std::int64_t lParam;
};

TEST(NotificationRoutineTest, EachEventInEachState) {
    struct Case {
        std::uint32_t code;
        RunState state;
        std::vector<Posted> posted;
    };
    using enum RunState;
    const Case cases[] = {
        {kEventConnected, Idle, {{context::kWmConnectionResult, true, 1}}},
        {kEventConnected, Connecting, {{context::kWmConnectionResult, true, 1}}},
        {kEventConnected, Waiting, {}},
        {kEventConnected, Testing, {}},
        {kEventConnectFailed, Testing, {{context::kWmConnectionResult, true, 0}}},
        {kEventReconnectFailed, Connecting, {}},
        {kEventLeftDiagnosticMode, Testing, {{context::kWmShowTestsComplete, false, 0}}},
        {kEventLeftDiagnosticMode, Waiting, {{context::kWmOpenTestWindow, true, 0}}},
        {kEventLeftDiagnosticMode, Idle, {}},
        {kEventLeftDiagnosticMode, Connecting, {}},
        {0x80000007, Testing, {{context::kWmAddTestLine, false, 0}}},
        {0x80000007, Waiting, {{context::kWmOpenTestWindow, true, 0}}},
        {0x80000007, Idle, {{context::kWmOpenTestWindow, true, 0}}},
        {5, Connecting, {{context::kWmOpenTestWindow, true, 0}}},
        {0, Testing, {}},
        {34, Testing, {}},
        {0x80000011, Testing, {}},
    };
    for (const Case& c : cases) {
        auto f = ProgramFixture::defaultMachine();
        Sink page(f.desktop()), window(f.desktop());
        f.context().troubleshootingPage = page.handle();
        f.context().testWindowHandle = window.handle();
        f.context().runState.attachLineWindow(window.handle());
        f.context().runState.setRunState(c.state);
        f.program().application().notifications().onNotification(sim::ihvNotification(c.code));
        f.desktop().dispatchAll();
        std::vector<Posted> got;
        for (const auto& m : page.got) got.push_back({m.id, true, m.lParam});
        for (const auto& m : window.got) got.push_back({m.id, false, m.lParam});
        ASSERT_EQ(got.size(), c.posted.size())
            << std::hex << c.code << " in " << runStateName(c.state);
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].message, c.posted[i].message) << std::hex << c.code;
            EXPECT_EQ(got[i].toPage, c.posted[i].toPage) << std::hex << c.code;
            EXPECT_EQ(got[i].lParam, c.posted[i].lParam) << std::hex << c.code;
        }
        bool completed = f.context().runState.takeCompletedBeforeOpen();
        EXPECT_EQ(completed, c.code == kEventLeftDiagnosticMode && c.state == Waiting);
    }
}

TEST(NotificationRoutineTest, ProgressLineGoesToTheWindowOrBecomesThePendingLine) {
    auto f = ProgramFixture::defaultMachine();
    Sink page(f.desktop()), window(f.desktop());
    f.context().troubleshootingPage = page.handle();
    f.context().testWindowHandle = window.handle();
    f.context().runState.setRunState(RunState::Waiting);
    f.program().application().notifications().onNotification(sim::ihvNotification(0x80000007));
    f.program().application().notifications().onNotification(sim::ihvNotification(0x8000000B));
    // A second line before the window opens is kept after the first, not in its place.
    EXPECT_EQ(f.context().runState.pendingLines(),
              (std::vector<std::string>{"Received DHCP test request.", "Performing test."}));
    f.context().runState.setRunState(RunState::Testing);
    // Testing, but the window has not opened yet: the line waits with the others.
    f.program().application().notifications().onNotification(sim::ihvNotification(5));
    EXPECT_EQ(f.context().runState.pendingLines().size(), 3u);
    EXPECT_EQ(f.context().runState.attachLineWindow(window.handle()).size(), 3u);
    f.program().application().notifications().onNotification(sim::ihvNotification(5));
    f.program().application().notifications().onNotification(sim::ihvNotification(0x8000000A));
    f.desktop().dispatchAll();
    ASSERT_EQ(window.got.size(), 2u);
    EXPECT_EQ(window.got[0].text, "[DiagServ]Please call support.");
    EXPECT_EQ(window.got[1].text, "Received 802.1x authentication test request.");
    EXPECT_TRUE(f.context().runState.pendingLines().empty());
    // The window has closed: a completion is kept for the next one instead of being lost.
    f.context().runState.detachLineWindow();
    f.program().application().notifications().onNotification(
        sim::ihvNotification(kEventLeftDiagnosticMode));
    EXPECT_TRUE(f.context().runState.takeCompletedBeforeOpen());
}

TEST(NotificationRoutineTest, MalformedNotificationsAreIgnored) {
    auto f = ProgramFixture::defaultMachine();
    Sink page(f.desktop());
    f.context().troubleshootingPage = page.handle();
    platform::WlanNotification shortPayload = sim::ihvNotification(kEventConnected);
    shortPayload.data.resize(3);
    platform::WlanNotification otherSource = sim::ihvNotification(kEventConnected);
    otherSource.source = 0x8;
    platform::WlanNotification empty = sim::ihvNotification(kEventConnected);
    empty.data.clear();
    for (const auto& n : {shortPayload, otherSource, empty})
        f.program().application().notifications().onNotification(n);
    f.desktop().dispatchAll();
    EXPECT_TRUE(page.got.empty());
    platform::WlanNotification exact = sim::ihvNotification(kEventConnected);
    exact.data.resize(4);  // the second word is not needed
    f.program().application().notifications().onNotification(exact);
    f.desktop().dispatchAll();
    EXPECT_EQ(page.got.size(), 1u);
}

TEST(ProgressLineTest, Texts) {
    const std::pair<std::uint32_t, const char*> cases[] = {
        {5, "[DiagServ]Please call support."},
        {1, "[DiagServ]The SSID is invalid."},
        {27, "[DiagServ]Test request refused by  the client."},
        {33, "[DiagServ]The WLAN authentication method is not correct."},
        {0x80000005, "Received DNS ping test request."},
        {0x80000007, "Received DHCP test request."},
        {0x80000010, "Network has concluded all tests."},
    };
    for (auto [code, text] : cases) EXPECT_EQ(progressLine(code), text) << std::hex << code;
    for (std::uint32_t code : {0u, 34u, 0x80000000u, 0x80000002u, 0x80000004u, 0x80000011u})
        EXPECT_FALSE(progressLine(code)) << std::hex << code;
}

}  // namespace
}  // namespace zlx::diagchannel
