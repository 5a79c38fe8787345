#pragma once

#include <string>

namespace zlx::platform::win32 {

// What Windows says about a GetLastError() code, as a phrase to put after a colon: without its
// trailing line break and full stop; "error N" when the system has no text for it.
std::string errorText(unsigned long error);

}  // namespace zlx::platform::win32
