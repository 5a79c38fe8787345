#pragma once
// A model window's template as the Windows dialog manager reads it: an in-memory DLGTEMPLATEEX
// with one DLGITEMTEMPLATEEX per control, in the model's order, so the n-th child window the
// dialog manager makes is the model's n-th control.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "ui/dialog.h"

namespace zlx::win32 {

// The window class a control of `kind` is made from.
const wchar_t* controlClass(ui::ControlKind kind);
// Its window styles at creation; what changes later (shown, enabled, tab stop) is set by sync.
DWORD controlStyle(const ui::Control& control, const ui::Control* previous);
DWORD controlExStyle(const ui::Control& control);

enum class TemplateRole { TopLevel, Child };

// The words of the template, DWORD-aligned where the format asks for it; the vector's storage
// must be DWORD-aligned itself, which std::vector's allocation is.
std::vector<WORD> dialogTemplateWords(const ui::Dialog& window, TemplateRole role);

// The dialog font's size in points (its face is MS Shell Dlg).
inline constexpr WORD kDialogFontPoints = 8;

// The class of the graph control; registered by registerGraphClass (graph_view.h).
inline constexpr const wchar_t* kGraphClass = L"ZlxGraph";
// The rich edit class of riched20.dll, loaded before the first test window is made.
inline constexpr const wchar_t* kRichEditClass = L"RichEdit20W";

}  // namespace zlx::win32
