#include "win32/window_dpi.h"

namespace zlx::win32 {

namespace {

// user32's own exports of Windows 10 1607, looked up so the program still starts on older
// systems.
template <typename Function>
Function user32Export(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
               : nullptr;
}

}  // namespace

int windowDpi(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = user32Export<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow && window)
        if (UINT dpi = getDpiForWindow(window)) return static_cast<int>(dpi);
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : ui::kBaseDpi;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi;
}

int iconSizeAt(ui::IconRole role, int dpi) {
    using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
    static const auto metricsForDpi =
        user32Export<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    if (metricsForDpi && dpi > 0)
        if (int size = metricsForDpi(role == ui::IconRole::Small ? SM_CXSMICON : SM_CXICON,
                                     static_cast<UINT>(dpi));
            size > 0)
            return size;
    return ui::iconSize(role, dpi);
}

HFONT fontAt(HFONT font, int points, int dpi) {
    LOGFONTW look{};
    if (!font || GetObjectW(font, sizeof look, &look) == 0)
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof look, &look);
    look.lfHeight = ui::fontHeight(points, dpi);
    look.lfWidth = 0;
    return CreateFontIndirectW(&look);
}

ui::BaseUnits baseUnitsOf(HWND window, HFONT font) {
    static constexpr wchar_t kAlphabet[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    HDC dc = GetDC(window);
    if (!dc) return {};
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, kAlphabet, 52, &size);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return ui::baseUnitsOf(size.cx, metrics.tmHeight);
}

}  // namespace zlx::win32
