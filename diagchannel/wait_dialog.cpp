#include "diagchannel/wait_dialog.h"

#include "app/user_messages.h"
#include "resources/dialogs.h"
#include "resources/string_table.h"

namespace zlx::diagchannel {

CWaitDialog::CWaitDialog(app::AppContext& context)
    : ui::Dialog(context.desktop, resources::dialogTemplate(resources::kDialogWaiting)),
      ctx_(context) {}

bool CWaitDialog::onInitDialog() {
    setTitle(resources::stringOr(resources::kStrProgramTitle, "ZLX Client Diagnostics"));
    setIcon(resources::kIconProgram);
    ctx_.waitDialogHandle = handle();
    desktop().setForeground(handle());
    return true;
}

// The button, Escape and the close box.
void CWaitDialog::onCancel() {
    ctx_.driver.leaveDiagnosticMode();
    desktop().post(ctx_.troubleshootingPage, app::kWmRunIdle);
    endDialog(ui::kIdOk);
}

std::int64_t CWaitDialog::onMessage(const ui::Message& m) {
    if (m.id == app::kWmWaitClose) {
        if (m.lParam != 0)
            endDialog(ui::kIdOk);
        else
            onCancel();
        return 0;
    }
    if (m.id == app::kWmWaitCloseQuiet) {
        endDialog(ui::kIdOk);
        return 0;
    }
    return ui::Dialog::onMessage(m);
}

}  // namespace zlx::diagchannel
