#pragma once
// The window menu (system menu) of a model window as a renderer offers it: the items the model
// added, then the standard ones every window menu ends with.

#include <string>
#include <vector>

#include "ui/desktop.h"
#include "ui/dialog.h"

namespace zlx::ui {

struct WindowMenuEntry {
    // An item the model added is sent back as WM_SYSCOMMAND; the standard items every window
    // menu ends with act on the window as its frame's buttons do.
    enum class Action { SysCommand, Minimize, Close };
    WindowHandle target;  // the window that added the item hears of its choice
    int id;
    std::string text;
    Action action = Action::SysCommand;
    bool enabled = true;
    Dialog::Shortcut shortcut = Dialog::Shortcut::None;
};

// The window's own items; for a property sheet also those its pages added, from every page
// created so far, as a window menu belongs to the whole window whichever page shows. Then
// "Minimize" (for a window that has a minimise box) and "Close".
std::vector<WindowMenuEntry> windowMenuEntries(const Desktop& desktop, WindowHandle window);

// The letter of an item's shortcut, pressed with Ctrl ('C', 'H'); 0 for none.
char shortcutKey(Dialog::Shortcut shortcut);
// The shortcut as a menu shows it beside the item, "Ctrl+H"; empty for none.
std::string shortcutText(Dialog::Shortcut shortcut);

// A short file-name form of a window title, for pictures of it: lower-case ASCII letters and
// digits, words joined by "-"; "window" when nothing is left.
std::string titleSlug(std::string_view title);

}  // namespace zlx::ui
