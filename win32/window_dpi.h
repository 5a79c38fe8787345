#pragma once
// The scale of the monitor a window is on, and what is made at it: the dialog font and the
// dialog units it gives, icon sizes. What size goes with which scale is ui/screen_scale.h's.

#include <windows.h>

#include "ui/screen_scale.h"

namespace zlx::win32 {

// The window's dots per inch (GetDpiForWindow, from Windows 10 1607), else the system's.
int windowDpi(HWND window);
// The icon size Windows uses at `dpi` (GetSystemMetricsForDpi, from Windows 10 1607), else
// the sizes of ui::iconSize.
int iconSizeAt(ui::IconRole role, int dpi);
// `font` again at `points` for `dpi`; the caller deletes it.
HFONT fontAt(HFONT font, int points, int dpi);
// The dialog units of `font`, measured as the dialog manager measures its dialog font.
ui::BaseUnits baseUnitsOf(HWND window, HFONT font);

}  // namespace zlx::win32
