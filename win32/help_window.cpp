#include "win32/help_window.h"

#include "win32/text.h"

namespace zlx::win32 {

namespace {
constexpr const wchar_t* kHelpClass = L"ZlxHelpStandIn";
constexpr int kWidth = 420;
constexpr int kMargin = 11;
}  // namespace

HelpStandIn::HelpStandIn(HINSTANCE instance) {
    WNDCLASSW helpClass{};
    helpClass.lpfnWndProc = &HelpStandIn::windowProc;
    helpClass.hInstance = instance;
    helpClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    helpClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    helpClass.lpszClassName = kHelpClass;
    RegisterClassW(&helpClass);
    window_ = CreateWindowExW(
        0, kHelpClass, L"HTML Help", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
        CW_USEDEFAULT, CW_USEDEFAULT, kWidth, 100, nullptr, nullptr, instance, nullptr);
    label_ =
        CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, kMargin,
                        kMargin, kWidth - 2 * kMargin, 60, window_, nullptr, instance, nullptr);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    font_ = CreateFontIndirectW(&metrics.lfMessageFont);
    SendMessageW(label_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
}

HelpStandIn::~HelpStandIn() {
    if (window_) DestroyWindow(window_);
    if (font_) DeleteObject(font_);
}

LRESULT CALLBACK HelpStandIn::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // Closing only hides it: the next Help shows it again.
    if (message == WM_CLOSE) {
        ShowWindow(hwnd, SW_HIDE);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void HelpStandIn::showFor(const std::string& path) {
    if (!window_) return;
    std::wstring text = shownText(
        "This simulated machine has no help viewer. On Windows, the help window would open "
        "here, showing the default topic of the help file\n\n" +
        path);
    SetWindowTextW(label_, text.c_str());
    // As high as the text needs.
    RECT needed{0, 0, kWidth - 2 * kMargin - 2 * GetSystemMetrics(SM_CXFIXEDFRAME), 0};
    HDC dc = GetDC(label_);
    HGDIOBJ old = SelectObject(dc, font_);
    DrawTextW(dc, text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(label_, dc);
    SetWindowPos(label_, nullptr, kMargin, kMargin, needed.right, needed.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    RECT frame{0, 0, needed.right + 2 * kMargin, needed.bottom + 2 * kMargin};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)), FALSE, 0);
    SetWindowPos(window_, HWND_TOP, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE);
    ShowWindow(window_, SW_SHOWNORMAL);
    SetForegroundWindow(window_);
}

}  // namespace zlx::win32
