// The Troubleshooting page's part in a run: Start, the connection watch, the waiting dialog,
// the test window and the end of a run.

#include "app/troubleshooting_page.h"
#include "app/user_messages.h"
#include "diagchannel/wait_dialog.h"
#include "resources/string_table.h"
#include "testwindow/output_dialog.h"

namespace zlx::app {

using diagchannel::RunState;

void CQORDEXDlg::setRunControlsEnabled(bool enabled) {
    enableItem(kIdStart, enabled);
    if (ui::PropertySheet* owner = sheet()) owner->enableItem(ui::kIdCancel, enabled);
    enableItem(kIdAdapterList, enabled);
    enableItem(kIdProfileList, enabled);
}

void CQORDEXDlg::start() {
    // A completion that a previous run left behind belongs to no window of this run.
    ctx_.runState.clearCompletedBeforeOpen();
    if (!networkMode_) {
        desktop().post(handle(), kWmOpenTestWindow, 0, 1);
        desktop().post(handle(), kWmStartClientTests, 0, 0);
        return;
    }
    ctx_.driver.enterDiagnosticMode(ctx_.selectedProfileName);
    ctx_.runState.setRunState(RunState::Connecting);
    busy_ = true;
    connectInTime_ = true;
    timerTicks_ = 0;
    setRunControlsEnabled(false);
    desktop().setTimer(handle(), kConnectionTimer, kConnectionTick);
}

void CQORDEXDlg::onTimer(unsigned) {
    if (++timerTicks_ >= kConnectionTicks) {
        connectInTime_ = false;
        desktop().post(handle(), kWmConnectResult, 0, 0);
    }
}

void CQORDEXDlg::connectionResult(bool connected) {
    connectOk_ = connected;
    busy_ = false;
    setRunControlsEnabled(true);
    desktop().killTimer(handle(), kConnectionTimer);
    if (connectInTime_ && connectOk_) {
        desktop().showWindow(handle(), ui::ShowCommand::Minimize);
        desktop().post(handle(), kWmShowWaiting);
        return;
    }
    showError(resources::kStrCouldNotConnect);
    ctx_.driver.leaveDiagnosticMode();
}

void CQORDEXDlg::showWaitingDialog() {
    diagchannel::CWaitDialog waiting(ctx_);
    ctx_.runState.setRunState(RunState::Waiting);
    waiting.doModal(handle());
}

void CQORDEXDlg::openTestWindow(bool clientManaged) {
    RunState state = ctx_.runState.readRunState();
    if (state == RunState::Testing) return;
    if (state == RunState::Waiting) desktop().post(ctx_.waitDialogHandle, kWmWaitClose, 0, 1);
    testwindow::COutputDialog window(ctx_, clientManaged);
    ctx_.runState.setRunState(RunState::Testing);
    int result = window.doModal(handle());
    if (result == ui::kIdCancel) ctx_.driver.leaveDiagnosticMode();
    runIdle();
}

void CQORDEXDlg::runIdle() {
    ctx_.runState.setRunState(RunState::Idle);
    desktop().showWindow(handle(), ui::ShowCommand::Restore);
}

// The service knows no such profile: the run ends here, as cleanly as any other end.
void CQORDEXDlg::endRunAfterProfileError() {
    desktop().killTimer(handle(), kConnectionTimer);
    busy_ = false;
    setRunControlsEnabled(true);
    ctx_.driver.leaveDiagnosticMode();
    runIdle();
}

}  // namespace zlx::app
