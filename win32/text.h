#pragma once
// Model text as the Windows controls take it.

#include <string>
#include <string_view>

namespace zlx::win32 {

// ui::drawnText with the "\r\n" line breaks edit and static controls draw.
std::wstring shownText(std::string_view modelText);
// A window's text as it stands (GetWindowTextW).
std::wstring windowText(void* window);

}  // namespace zlx::win32
