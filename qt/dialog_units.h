#pragma once
// Dialog units to pixels, the way Windows maps a dialog template: the horizontal base unit is
// the dialog font's average character width, the vertical one its character height; a
// horizontal dialog unit is a quarter of the first, a vertical one an eighth of the second.

#include <QFont>
#include <QRect>
#include <QSize>

#include "ui/control.h"

namespace zlx::qt {

class DialogUnits {
  public:
    DialogUnits(int baseX, int baseY) : baseX_(baseX), baseY_(baseY) {}
    static DialogUnits fromFont(const QFont& font);

    int baseX() const { return baseX_; }
    int baseY() const { return baseY_; }
    int x(int units) const;
    int y(int units) const;
    // Each edge is mapped on its own (MapDialogRect), so adjacent rectangles stay adjacent.
    QRect rect(const ui::DialogRect& r) const;
    QSize size(int width, int height) const { return {x(width), y(height)}; }
    // The dialog units a pixel length holds, whole units only.
    int unitsX(int pixels) const { return pixels * 4 / baseX_; }
    int unitsY(int pixels) const { return pixels * 8 / baseY_; }

  private:
    int baseX_;
    int baseY_;
};

// The nearest logical coordinate at or below `value` that falls on a whole device pixel at
// the device pixel ratio `ratio` (an even one at 1.5).
int onDevicePixel(int value, qreal ratio);

}  // namespace zlx::qt
