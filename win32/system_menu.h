#pragma once
// The window menu of a model window in the window's real system menu: the items the model added
// (for a sheet also its pages' items) above Windows' own, each chosen as WM_SYSCOMMAND.

#include <windows.h>

#include <optional>
#include <vector>

#include "ui/desktop.h"
#include "ui/window_menu.h"

namespace zlx::win32 {

class SystemMenu {
  public:
    // Puts the model's items of `window` into the system menu of `hwnd` when they changed.
    void sync(HWND hwnd, const ui::Desktop& desktop, ui::WindowHandle window);
    // The model's item that a WM_SYSCOMMAND code names; none for Windows' own commands.
    std::optional<ui::WindowMenuEntry> itemFor(WPARAM command) const;
    // The item a press of Ctrl and `key` ('C', 'H') chooses, when one has that shortcut.
    std::optional<ui::WindowMenuEntry> shortcutItem(char key) const;

  private:
    std::vector<ui::WindowMenuEntry> shown_;
    bool built_ = false;
};

}  // namespace zlx::win32
