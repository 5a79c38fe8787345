#pragma once
// The program's icons, drawn in code from the shapes of resources/icons/*.svg, so the build
// needs no image plug-in. An icon number the program does not have draws nothing.

#include <QIcon>
#include <QPixmap>

namespace zlx::qt {

// A `size` x `size` picture of icon `iconId`; transparent for an unknown number.
QPixmap iconPixmap(int iconId, int size);
// The icon at the sizes a window frame and a task bar use; null for an unknown number.
QIcon windowIcon(int iconId);
bool hasIcon(int iconId);

}  // namespace zlx::qt
