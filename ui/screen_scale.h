#pragma once
// Sizes at a monitor's scale. Windows gives each monitor a number of dots per inch (96 is
// 100 %); a window that follows its monitor draws its dialog font, dialog units, icons, pens
// and gaps at that monitor's number, and again when it moves to a monitor of another.

#include "ui/control.h"

namespace zlx::ui {

inline constexpr int kBaseDpi = 96;

// A length of `pixels` at 96 dots per inch, at `dpi` (rounded to the nearest pixel).
int scaledPixels(int pixels, int dpi);
// Device pixels per pixel at 96 dots per inch.
double scaleOf(int dpi);
// A font of `points` at `dpi`, as a LOGFONT's height: negative, the character height.
int fontHeight(int points, int dpi);

// The window's small icon (caption, taskbar) and large icon (Alt+Tab, icon controls).
enum class IconRole { Small, Large };
int iconSize(IconRole role, int dpi);

// Pixels of 4 horizontal and 8 vertical dialog units: the dialog font's average letter width
// and its height.
struct BaseUnits {
    int x = 1, y = 1;
    friend bool operator==(const BaseUnits&, const BaseUnits&) = default;
};
// As Windows measures a dialog font: `alphabetWidth` is the width of the 52 letters A-Z a-z.
BaseUnits baseUnitsOf(int alphabetWidth, int height);

struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};
// As MapDialogRect maps: each edge on its own, so adjacent rectangles stay adjacent.
PixelRect toPixels(const DialogRect& rect, BaseUnits units);
// The whole dialog units a pixel size holds.
int unitsAcross(int pixels, BaseUnits units);
int unitsDown(int pixels, BaseUnits units);

}  // namespace zlx::ui
