#pragma once
// The window menu (system menu) of a model window. Qt has no system menu on every platform,
// so a window offers the items in its context menu and behind a small corner button.

#include <QMenu>
#include <QToolButton>
#include <string>
#include <vector>

#include "qt/model_input.h"
#include "ui/desktop.h"

namespace zlx::qt {

struct WindowMenuEntry {
    ui::WindowHandle target;  // the window that added the item hears of its choice
    int id;
    std::string text;
};

// The window's own items, and for a property sheet those its active page added.
std::vector<WindowMenuEntry> windowMenuEntries(const ui::Desktop& desktop, ui::WindowHandle window);

// Fills `menu` with the entries; choosing one sends WM_SYSCOMMAND through `input`.
void fillWindowMenu(QMenu& menu, const std::vector<WindowMenuEntry>& entries, ModelInput& input);

// A "?" tool button whose menu is the window menu of `window`, rebuilt each time it opens.
QToolButton* createWindowMenuButton(QWidget* parent, ModelInput& input, ui::WindowHandle window);

}  // namespace zlx::qt
