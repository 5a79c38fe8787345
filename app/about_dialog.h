#pragma once

#include "resources/dialogs.h"
#include "ui/dialog.h"

namespace zlx::app {

// The About box: icon, version line, one more line and OK.
class AboutDialog : public ui::Dialog {
  public:
    explicit AboutDialog(ui::Desktop& desktop)
        : ui::Dialog(desktop, resources::dialogTemplate(resources::kDialogAbout)) {}

  protected:
    bool onInitDialog() override {
        setIcon(resources::kIconProgram);
        return true;
    }
};

}  // namespace zlx::app
