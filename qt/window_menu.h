#pragma once
// The window menu (system menu) of a model window. Qt has no system menu on every platform,
// so a window offers the items in its context menu and behind a small corner button.

#include <QMenu>
#include <QToolButton>
#include <string>
#include <vector>

#include "qt/model_input.h"
#include "ui/desktop.h"
#include "ui/dialog.h"

namespace zlx::qt {

struct WindowMenuEntry {
    // An item the model added is sent back as WM_SYSCOMMAND; the standard items every window
    // menu ends with act on the window as its frame's buttons do.
    enum class Action { SysCommand, Minimize, Close };
    ui::WindowHandle target;  // the window that added the item hears of its choice
    int id;
    std::string text;
    Action action = Action::SysCommand;
    bool enabled = true;
    ui::Dialog::Shortcut shortcut = ui::Dialog::Shortcut::None;
};

// The window's own items; for a property sheet also those its pages added, from every page
// created so far, as a window menu belongs to the whole window whichever page shows. Then
// "Minimize" (for a window that has a minimise box) and "Close".
std::vector<WindowMenuEntry> windowMenuEntries(const ui::Desktop& desktop, ui::WindowHandle window);

// Fills `menu` with the entries; choosing one tells the model through `input`.
void fillWindowMenu(QMenu& menu, const std::vector<WindowMenuEntry>& entries, ModelInput& input);

// A "?" tool button with a frame and a tooltip, whose menu is the window menu of `window`,
// rebuilt each time it opens.
QToolButton* createWindowMenuButton(QWidget* parent, ModelInput& input, ui::WindowHandle window);

}  // namespace zlx::qt
