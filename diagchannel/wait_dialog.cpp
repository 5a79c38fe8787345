#include "diagchannel/wait_dialog.h"

#include "context/user_messages.h"
#include "resources/dialogs.h"
#include "resources/string_table.h"

namespace zlx::diagchannel {

WaitDialog::WaitDialog(context::AppContext& context, wlan::DriverChannel& driver)
    : ui::Dialog(context.desktop, resources::dialogTemplate(resources::kDialogWaiting)),
      ctx_(context),
      driver_(driver) {}

bool WaitDialog::onInitDialog() {
    setTitle(resources::stringOr(resources::kIdsProgramTitle, "ZLX Client Diagnostics"));
    setIcon(resources::kIconProgram);
    ctx_.waitDialogHandle = handle();
    desktop().setForeground(handle());
    return true;
}

// The button, Escape and the close box.
void WaitDialog::onCancel() {
    driver_.leaveDiagnosticMode();
    desktop().post(ctx_.troubleshootingPage, context::kWmReturnToIdle);
    endDialog(ui::kIdOk);
}

std::int64_t WaitDialog::onMessage(const ui::Message& m) {
    if (m.id == context::kWmCloseWaitingDialog) {
        if (m.lParam != 0)
            endDialog(ui::kIdOk);
        else
            onCancel();
        return 0;
    }
    if (m.id == context::kWmCloseWaitingDialogQuietly) {
        endDialog(ui::kIdOk);
        return 0;
    }
    return ui::Dialog::onMessage(m);
}

}  // namespace zlx::diagchannel
