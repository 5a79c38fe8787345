#include "win32/text.h"

#include <windows.h>

#include "ui/drawn_text.h"

namespace zlx::win32 {

std::wstring shownText(std::string_view modelText) {
    std::u16string drawn = ui::drawnText(modelText);
    std::wstring out;
    out.reserve(drawn.size());
    for (char16_t c : drawn) {
        if (c == u'\n') out += L'\r';
        out += static_cast<wchar_t>(c);
    }
    return out;
}

std::wstring windowText(void* window) {
    HWND hwnd = static_cast<HWND>(window);
    int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    int copied = GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

}  // namespace zlx::win32
