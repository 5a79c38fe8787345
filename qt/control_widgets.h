#pragma once
// One Qt widget per control kind, placed from the template and kept in step with the model's
// control state. The widgets decide nothing: a radio button does not check itself, a list
// shows the entries and the selection the model holds.

#include <QWidget>

#include "qt/dialog_units.h"
#include "ui/control.h"

namespace zlx::qt {

QWidget* createControlWidget(const ui::Control& control, QWidget* parent);
// Position and size from the control's dialog-unit rectangle.
void placeControlWidget(QWidget& widget, const ui::Control& control, const DialogUnits& units);
// Text, state, entries, runs ... as the model holds them now.
void applyControl(QWidget& widget, const ui::Control& control);

// The size Windows gives an icon control, whatever its template says.
inline constexpr int kIconSize = 32;

}  // namespace zlx::qt
