#include "platform/win32/error_text.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace zlx::platform::win32 {

std::string errorText(unsigned long error) {
    wchar_t* buffer = nullptr;
    DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer ? buffer : L"", length);
    if (buffer) ::LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L'.' ||
                             text.back() == L' '))
        text.pop_back();
    return text.empty() ? "error " + std::to_string(error) : fromWide(text);
}

}  // namespace zlx::platform::win32
