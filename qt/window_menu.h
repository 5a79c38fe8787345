#pragma once
// The window menu (system menu) of a model window. Qt has no system menu on every platform,
// so a window offers the items in its context menu and behind a small corner button.

#include <QMenu>
#include <QToolButton>
#include <vector>

#include "ui/desktop.h"
#include "ui/dialog.h"
#include "ui/model_input.h"
#include "ui/window_menu.h"

namespace zlx::qt {

// Fills `menu` with the entries; choosing one tells the model through `input`.
void fillWindowMenu(QMenu& menu, const std::vector<ui::WindowMenuEntry>& entries,
                    ui::ModelInput& input);

// A "?" tool button with a frame and a tooltip, whose menu is the window menu of `window`,
// rebuilt each time it opens.
QToolButton* createWindowMenuButton(QWidget* parent, ui::ModelInput& input,
                                    ui::WindowHandle window);

}  // namespace zlx::qt
