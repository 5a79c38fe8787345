#pragma once
// UTF-8, the text of the whole program, to and from the UTF-16 of the Windows API.

#include <string>
#include <string_view>

namespace zlx::platform::win32 {

// Invalid UTF-8 sequences become U+FFFD.
std::wstring toWide(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
std::string fromWide(std::wstring_view wide);

}  // namespace zlx::platform::win32
