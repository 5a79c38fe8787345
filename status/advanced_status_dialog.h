#pragma once
// The Advanced Status dialog: 28 texts that the Current Status page writes on each refresh,
// shown in the dialog's controls while it is open.

#include <array>
#include <string>

#include "resources/status_rows.h"
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

    // The text of value control `controlId`; an id that is not a value control is ignored.
    void setText(int controlId, std::string text);
    std::string text(int controlId) const;
    // The data exchange in the loading direction.
    void loadControls();

  protected:
    bool onInitDialog() override;
    // Copy: the dialog's labels and values.
    void onSysCommand(int id) override;

  private:
    std::array<std::string, kValueControls.size()> texts_;
};

}  // namespace zlx::status
