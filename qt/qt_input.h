#pragma once
// Script mode on the Qt front end: before each command of the script the widgets catch up
// with the model, so what the command looks at (or a "shot" pictures) is what a person sees.

#include "ui/headless.h"

namespace zlx::qt {

class SettledQtInput final : public ui::InputSource {
  public:
    explicit SettledQtInput(ui::InputSource& script) : script_(script) {}
    bool runNext() override;

  private:
    ui::InputSource& script_;
};

}  // namespace zlx::qt
