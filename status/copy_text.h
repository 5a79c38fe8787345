#pragma once
// What a status window's Copy puts on the clipboard: its labels with their values, one
// "Label: value" a line, as users paste them into a support ticket.

#include <string>

#include "ui/dialog.h"

namespace zlx::status {

// The window menu item Copy (Ctrl+C) of the status windows.
inline constexpr int kCopyCommand = 32;

// Every shown label (a static ending in ":") with the value beside it: the next static on the
// same line. Lines end with "\r\n".
std::string labelValueLines(const ui::Dialog& window);

// Adds Copy with its shortcut to the window menu of `window`.
void addCopyMenuItem(ui::Dialog& window);

// Whether a WM_SYSCOMMAND id is Copy (Windows keeps the low four bits for itself).
constexpr bool isCopyCommand(int id) {
    return (id & ~0xF) == kCopyCommand;
}

}  // namespace zlx::status
