// The Troubleshooting page's part in a run: Start, the connection watch, the waiting dialog,
// the test window and the end of a run.

#include "context/user_messages.h"
#include "diagchannel/wait_dialog.h"
#include "resources/string_table.h"
#include "testwindow/results_window.h"
#include "troubleshooting/troubleshooting_page.h"
#include "wlan/failure_text.h"

namespace zlx::troubleshooting {

using context::RunKind;
using context::RunState;

void TroubleshootingPage::setRunControlsEnabled(bool enabled) {
    enableItem(resources::kIdcStart, enabled);
    if (ui::PropertySheet* owner = sheet()) owner->enableItem(ui::kIdCancel, enabled);
    enableItem(resources::kIdcAdapterList, enabled);
    enableItem(resources::kIdcProfileList, enabled);
}

void TroubleshootingPage::start() {
    // A client-managed run from its Start until its window closes refuses another Start (a
    // double click): two workers would write into one window.
    if (!networkMode_ && ctx_.runState.view().kind == RunKind::ClientManaged) return;
    // A completion that a previous run left behind belongs to no window of this run.
    ctx_.runState.clearCompletedBeforeOpen();
    ctx_.runState.clearPendingLines();
    leaveSent_ = false;
    if (!networkMode_) {
        ctx_.runState.beginRun(RunKind::ClientManaged);
        desktop().post(handle(), context::kWmOpenTestWindow, 0, 1);
        desktop().post(handle(), context::kWmStartClientTests, 0, 0);
        return;
    }
    ctx_.runState.beginRun(RunKind::NetworkManaged);
    ctx_.runState.freeFailureBox();
    // A refused request brings no notification: the run ends at once with its cause, rather
    // than waiting out the connection's time-out to blame the network.
    if (platform::Win32Error entered = driver_.enterDiagnosticMode(ctx_.selectedProfileName);
        entered != platform::kErrorSuccess) {
        runIdle();
        std::string text = resources::stringOr(resources::kIdsEnterRefused, "%s");
        text.replace(text.find("%s"), 2, wlan::wlanFailureText(entered));
        if (std::string advice = wlan::wlanFailureAdvice(entered); !advice.empty())
            text += "\n\n" + advice;
        showErrorText(text);
        return;
    }
    ctx_.runState.setRunState(RunState::Connecting);
    awaitingConnection_ = true;
    busy_ = true;
    connectInTime_ = true;
    timerTicks_ = 0;
    setRunControlsEnabled(false);
    desktop().setTimer(handle(), kConnectionTimer, kConnectionTick);
}

void TroubleshootingPage::startClientTests() {
    std::erase_if(clientWorkers_, [](const auto& worker) { return worker->finished(); });
    clientWorkers_.push_back(std::make_unique<clientsuite::ClientTestWorker>(ctx_, ctx_.selection));
}

void TroubleshootingPage::showNetworkTestBusy(bool busy) {
    networkTestBusy_ = busy;
    desktop().services().setCursor(busy ? ui::Cursor::Wait : ui::Cursor::Arrow);
}

void TroubleshootingPage::onTimer(unsigned) {
    if (++timerTicks_ >= kConnectionTicks) {
        connectInTime_ = false;
        desktop().post(handle(), context::kWmConnectionResult, 0, 0);
    }
}

void TroubleshootingPage::leaveOnce() {
    if (leaveSent_) return;
    leaveSent_ = true;
    driver_.leaveDiagnosticMode();
}

void TroubleshootingPage::connectionResult(bool connected) {
    if (!awaitingConnection_) return;
    awaitingConnection_ = false;
    connectOk_ = connected;
    busy_ = false;
    setRunControlsEnabled(true);
    desktop().killTimer(handle(), kConnectionTimer);
    if (connectInTime_ && connectOk_) {
        desktop().showWindow(handle(), ui::ShowCommand::Minimize);
        desktop().post(handle(), context::kWmShowWaitingDialog);
        return;
    }
    // A "profile not found" that ended the run while this result waited in the queue has shown
    // its box and ends the run itself. A run still connecting ends with this failure, before
    // its box shows, so that an answer to the leave request or a late event finds no run.
    RunState state = ctx_.runState.readRunState();
    if (state == RunState::Idle) return;
    if (state == RunState::Connecting &&
        !ctx_.runState.advanceRunState(RunState::Connecting, RunState::Idle))
        return;
    if (ctx_.runState.claimFailureBox()) showError(resources::kIdsCouldNotConnect);
    leaveOnce();
}

void TroubleshootingPage::showWaitingDialog() {
    // Only a run still connecting waits: one that a "profile not found" ended meanwhile does not.
    if (!ctx_.runState.advanceRunState(RunState::Connecting, RunState::Waiting)) return;
    diagchannel::WaitDialog waiting(ctx_, driver_);
    // -1: the program ends (a termination signal) with the run on.
    if (waiting.doModal(handle()) == -1) leaveOnce();
}

void TroubleshootingPage::openTestWindow(bool clientManaged) {
    const context::RunView run = ctx_.runState.view();
    // A client-managed run's window is its own: an event of the channel that asked for a
    // window before that run's Start gets none.
    if (!clientManaged && run.kind == RunKind::ClientManaged) return;
    // One test window at a time, even when its run has already ended.
    if (run.state == RunState::Testing || testWindowOpen_) {
        if (clientManaged) ctx_.runState.endRun(run.number);
        return;
    }
    if (run.state == RunState::Waiting)
        desktop().post(ctx_.waitDialogHandle, context::kWmCloseWaitingDialog, 0, 1);
    testwindow::TestWindow window(ctx_, driver_, clientManaged);
    ctx_.runState.setRunState(RunState::Testing);
    testWindowOpen_ = true;
    int result = window.doModal(handle());
    testWindowOpen_ = false;
    ctx_.runState.detachLineWindow();
    if (clientManaged) ctx_.runState.endRun(run.number);
    // -1: the program ends (a termination signal) with a network-managed run on.
    if (result == ui::kIdCancel || (result == -1 && !clientManaged)) leaveOnce();
    runIdle();
}

void TroubleshootingPage::runIdle() {
    ctx_.runState.setRunState(RunState::Idle);
    desktop().showWindow(handle(), ui::ShowCommand::Restore);
    if (interfacesStale_) interfacesChanged();
}

// The service knows no such profile: the run ends here, as cleanly as any other end. The
// notification routine has already set the run state to Idle; `ended` is the state it replaced
// in run `run`.
void TroubleshootingPage::endRunAfterProfileError(std::uint64_t run, RunState ended) {
    // The box may have waited for its answer while another run began: that run goes on.
    if (ctx_.runState.view().number != run) return;
    desktop().killTimer(handle(), kConnectionTimer);
    awaitingConnection_ = false;
    busy_ = false;
    setRunControlsEnabled(true);
    if (ended == RunState::Waiting)
        desktop().post(ctx_.waitDialogHandle, context::kWmCloseWaitingDialogQuietly);
    if (ended == RunState::Testing)
        desktop().post(ctx_.testWindowHandle, context::kWmShowTestsComplete);
    leaveOnce();
    runIdle();
}

}  // namespace zlx::troubleshooting
