#include "status/advanced_status_dialog.h"

#include <algorithm>

#include "resources/dialogs.h"
#include "status/copy_text.h"
#include "status/status_rows.h"

namespace zlx::status {

AdvancedStatusDialog::AdvancedStatusDialog(ui::Desktop& desktop)
    : ui::Dialog(desktop, resources::dialogTemplate(resources::kDialogAdvancedStatus)) {}

std::string AdvancedStatusDialog::text(int controlId) const {
    const bool valueControl =
        std::find(kValueControls.begin(), kValueControls.end(), controlId) != kValueControls.end();
    return shown_ && valueControl ? linkText(*shown_, controlId) : std::string();
}

void AdvancedStatusDialog::loadControls() {
    for (int control : kValueControls) setItemText(control, text(control));
}

bool AdvancedStatusDialog::onInitDialog() {
    addCopyMenuItem(*this);
    loadControls();
    return true;
}

void AdvancedStatusDialog::onSysCommand(int id) {
    if (isCopyCommand(id)) desktop().services().setClipboardText(labelValueLines(*this));
}

}  // namespace zlx::status
