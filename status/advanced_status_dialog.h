#pragma once
// The Advanced Status dialog: 28 texts of the Current Status page's last refresh, shown in the
// dialog's controls while it is open.

#include <array>
#include <string>

#include "resources/status_rows.h"
#include "status/status_snapshot.h"
#include "ui/dialog.h"

namespace zlx::status {

class AdvancedStatusDialog : public ui::Dialog {
  public:
    // The value controls in the order of the dialog's data exchange.
    static constexpr std::array<int, resources::kAdvancedStatusRows.size()> kValueControls = [] {
        std::array<int, resources::kAdvancedStatusRows.size()> ids{};
        for (std::size_t i = 0; i < ids.size(); ++i)
            ids[i] = resources::kAdvancedStatusRows[i].valueControl;
        return ids;
    }();

    explicit AdvancedStatusDialog(ui::Desktop& desktop);

    // The refresh whose values the dialog shows; it stays the caller's, and is read when the
    // dialog's texts are asked for, so a refresh while the dialog is closed costs nothing here.
    void show(const LinkSnapshot& shown) { shown_ = &shown; }
    // The text of value control `controlId`: empty before the first refresh, or for an id that
    // is not a value control.
    std::string text(int controlId) const;
    // The data exchange in the loading direction.
    void loadControls();

  protected:
    bool onInitDialog() override;
    // Copy: the dialog's labels and values.
    void onSysCommand(int id) override;

  private:
    const LinkSnapshot* shown_ = nullptr;
};

}  // namespace zlx::status
