#include "app/troubleshooting_page.h"

#include "app/about_dialog.h"
#include "resources/dialogs.h"
#include "resources/string_table.h"

namespace zlx::app {

CQORDEXDlg::CQORDEXDlg(AppContext& context)
    : ui::PropertyPage(context.desktop,
                       resources::dialogTemplate(resources::kDialogTroubleshooting)),
      ctx_(context),
      interfaces_(context.platform.wlan, context.platform.rpc) {}

bool CQORDEXDlg::onInitDialog() {
    // The control texts come from the string table with the template (loadTemplateTexts).
    if (hasSystemMenu()) {
        if (auto about = resources::loadString(resources::kStrAboutMenuItem);
            about && !about->empty())
            appendSystemMenuItem(kAboutCommand, std::string(*about));
    }
    setIcon(resources::kIconProgram);
    ctx_.platform.instance.writeSharedMainWindow(ctx_.mainWindow);
    busy_ = false;
    initialised_ = true;
    ctx_.troubleshootingPage = handle();
    enableItem(16, false);
    return true;
}

void CQORDEXDlg::onSysCommand(int id) {
    if ((id & ~0xF) == kAboutCommand) {
        CAboutDlg about(desktop());
        about.doModal(handle());
    }
}

std::int64_t CQORDEXDlg::onMessage(const ui::Message& message) {
    if (message.id == ui::kWmSetCursor && busy_) {
        desktop().services().setCursor(ui::Cursor::Wait);
        return 1;
    }
    return ui::PropertyPage::onMessage(message);
}

}  // namespace zlx::app
