#pragma once
// What screen readers hear of a control, through Microsoft Active Accessibility (and UI
// Automation, which reads a window that answers Active Accessibility through its proxy for it).
// Windows' standard objects name an edit, a list or a log by the static before it in tab order,
// as the templates place them; but they name a static by its own text, so a value would be
// heard without its label, and they know nothing of the graph. The statics, the signal bar and
// the graph therefore answer WM_GETOBJECT with an object of their own: the role of their kind,
// the name and value the window model gives, read when a screen reader asks; everything else as
// the standard object answers it.

#include <windows.h>

#include <optional>
#include <string>

#include "ui/control.h"

namespace zlx::win32 {

struct AccessibleFacts {
    std::wstring name;
    std::wstring value;
};

// Where a control's object reads its facts. It outlives the controls it answers for.
class AccessibleSource {
  public:
    // The facts of `control` as the model has them now; none when it shows no model control.
    virtual std::optional<AccessibleFacts> accessibleFactsOf(HWND control) const = 0;

  protected:
    ~AccessibleSource() = default;
};

// The role of a control of `kind`; 0 for the kinds Windows' standard objects answer for.
LONG answeredRole(ui::ControlKind kind);

// Makes `control`, of a kind answeredRole gives a role, answer for itself with the facts
// `source` gives, for as long as the window exists.
void answerAccessibility(HWND control, ui::ControlKind kind, const AccessibleSource& source);

// Tells a screen reader following `control` that its value changed.
void announceValueChange(HWND control);

}  // namespace zlx::win32
