#pragma once
// The Advanced Status dialog: 28 texts that the Current Status page writes on each refresh,
// shown in the dialog's controls while it is open.

#include <array>
#include <string>

#include "ui/dialog.h"

namespace zlx::status {

class AdvancedStatusDialog : public ui::Dialog {
  public:
    // The value controls in the order of the dialog's data exchange.
    static constexpr std::array<int, 28> kValueControls{
        1020, 1082, 1022, 1025, 1058, 1210, 1213, 1214, 1028, 1032, 1037, 1215, 1041, 1044,
        1048, 1078, 1011, 1013, 1016, 1053, 1062, 1086, 1066, 1246, 1070, 1248, 1074, 1242};

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
