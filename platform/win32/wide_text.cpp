#include "platform/win32/wide_text.h"

#include <windows.h>

#include <climits>
#include <stdexcept>

namespace zlx::platform::win32 {

namespace {
// The conversion functions count in int.
int checkedLength(std::size_t size) {
    if (size > INT_MAX) throw std::length_error("text too long for the Windows API");
    return static_cast<int>(size);
}
}  // namespace

// Without MB_ERR_INVALID_CHARS, and with no replacement character of our own, both functions
// put U+FFFD where the input is not valid text.

std::wstring toWide(std::string_view utf8) {
    if (utf8.empty()) return {};
    int length = checkedLength(utf8.size());
    int needed = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), needed);
    return wide;
}

std::string fromWide(std::wstring_view wide) {
    if (wide.empty()) return {};
    int length = checkedLength(wide.size());
    int needed =
        ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(needed), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, utf8.data(), needed, nullptr, nullptr);
    return utf8;
}

}  // namespace zlx::platform::win32
