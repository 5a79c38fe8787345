#pragma once
// The text form of the window model that script mode prints: every window from the main
// window to the top of the modal stack, and each of its controls.

#include <string>
#include <string_view>

#include "ui/desktop.h"

namespace zlx::scriptmode {

std::string dumpWindows(const ui::Desktop& desktop);
// The active window alone (the top of the modal stack).
std::string dumpActiveWindow(const ui::Desktop& desktop);

// A text in double quotes with \\, \", \r, \n and \t escaped.
std::string quoted(std::string_view text);

}  // namespace zlx::scriptmode
