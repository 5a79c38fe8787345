// The Troubleshooting page's part in a run: Start, the connection watch, the waiting dialog,
// the test window and the end of a run.

#include "context/user_messages.h"
#include "diagchannel/wait_dialog.h"
#include "resources/string_table.h"
#include "testwindow/test_window.h"
#include "troubleshooting/troubleshooting_page.h"

namespace zlx::troubleshooting {

using context::RunState;

void TroubleshootingPage::setRunControlsEnabled(bool enabled) {
    enableItem(kIdStart, enabled);
    if (ui::PropertySheet* owner = sheet()) owner->enableItem(ui::kIdCancel, enabled);
    enableItem(kIdAdapterList, enabled);
    enableItem(kIdProfileList, enabled);
}

void TroubleshootingPage::start() {
    // A completion that a previous run left behind belongs to no window of this run.
    ctx_.runState.clearCompletedBeforeOpen();
    if (!networkMode_) {
        desktop().post(handle(), context::kWmOpenTestWindow, 0, 1);
        desktop().post(handle(), context::kWmStartClientTests, 0, 0);
        return;
    }
    driver_.enterDiagnosticMode(ctx_.selectedProfileName);
    ctx_.runState.setRunState(RunState::Connecting);
    busy_ = true;
    connectInTime_ = true;
    timerTicks_ = 0;
    setRunControlsEnabled(false);
    desktop().setTimer(handle(), kConnectionTimer, kConnectionTick);
}

void TroubleshootingPage::onTimer(unsigned) {
    if (++timerTicks_ >= kConnectionTicks) {
        connectInTime_ = false;
        desktop().post(handle(), context::kWmConnectionResult, 0, 0);
    }
}

void TroubleshootingPage::connectionResult(bool connected) {
    connectOk_ = connected;
    busy_ = false;
    setRunControlsEnabled(true);
    desktop().killTimer(handle(), kConnectionTimer);
    if (connectInTime_ && connectOk_) {
        desktop().showWindow(handle(), ui::ShowCommand::Minimize);
        desktop().post(handle(), context::kWmShowWaitingDialog);
        return;
    }
    showError(resources::kStrCouldNotConnect);
    driver_.leaveDiagnosticMode();
}

void TroubleshootingPage::showWaitingDialog() {
    diagchannel::WaitDialog waiting(ctx_, driver_);
    ctx_.runState.setRunState(RunState::Waiting);
    waiting.doModal(handle());
}

void TroubleshootingPage::openTestWindow(bool clientManaged) {
    RunState state = ctx_.runState.readRunState();
    if (state == RunState::Testing) return;
    if (state == RunState::Waiting)
        desktop().post(ctx_.waitDialogHandle, context::kWmCloseWaitingDialog, 0, 1);
    testwindow::TestWindow window(ctx_, driver_, clientManaged);
    ctx_.runState.setRunState(RunState::Testing);
    int result = window.doModal(handle());
    if (result == ui::kIdCancel) driver_.leaveDiagnosticMode();
    runIdle();
}

void TroubleshootingPage::runIdle() {
    ctx_.runState.setRunState(RunState::Idle);
    desktop().showWindow(handle(), ui::ShowCommand::Restore);
}

// The service knows no such profile: the run ends here, as cleanly as any other end.
void TroubleshootingPage::endRunAfterProfileError() {
    desktop().killTimer(handle(), kConnectionTimer);
    busy_ = false;
    setRunControlsEnabled(true);
    driver_.leaveDiagnosticMode();
    runIdle();
}

}  // namespace zlx::troubleshooting
