#include "status/advanced_status_dialog.h"

#include <algorithm>

#include "resources/dialogs.h"
#include "status/copy_text.h"

namespace zlx::status {

namespace {

std::size_t slotOf(int controlId) {
    const auto& ids = AdvancedStatusDialog::kValueControls;
    return static_cast<std::size_t>(std::find(ids.begin(), ids.end(), controlId) - ids.begin());
}

}  // namespace

AdvancedStatusDialog::AdvancedStatusDialog(ui::Desktop& desktop)
    : ui::Dialog(desktop, resources::dialogTemplate(resources::kDialogAdvancedStatus)) {}

void AdvancedStatusDialog::setText(int controlId, std::string text) {
    std::size_t slot = slotOf(controlId);
    if (slot < texts_.size()) texts_[slot] = std::move(text);
}

std::string AdvancedStatusDialog::text(int controlId) const {
    std::size_t slot = slotOf(controlId);
    return slot < texts_.size() ? texts_[slot] : std::string();
}

void AdvancedStatusDialog::loadControls() {
    for (std::size_t i = 0; i < texts_.size(); ++i) setItemText(kValueControls[i], texts_[i]);
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
