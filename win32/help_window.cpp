#include "win32/help_window.h"

#include "resources/dialogs.h"
#include "win32/text.h"
#include "win32/window_dpi.h"

namespace zlx::win32 {

namespace {
constexpr const wchar_t* kHelpClass = L"ZlxHelpStandIn";
// Pixels at 96 dots per inch.
constexpr int kWidth = 420;
constexpr int kMargin = 11;

// The system's message font at `dpi`; the system gives it at the system's own scale.
HFONT messageFontAt(int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    metrics.lfMessageFont.lfHeight =
        MulDiv(metrics.lfMessageFont.lfHeight, dpi, windowDpi(nullptr));
    return CreateFontIndirectW(&metrics.lfMessageFont);
}
}  // namespace

HelpStandIn::HelpStandIn(HINSTANCE instance, Icons& icons) : icons_(icons) {
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
    if (!window_) return;
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    label_ =
        CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, kMargin,
                        kMargin, kWidth - 2 * kMargin, 60, window_, nullptr, instance, nullptr);
    rescale(windowDpi(window_));
}

HelpStandIn::~HelpStandIn() {
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    if (font_) DeleteObject(font_);
}

LRESULT CALLBACK HelpStandIn::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // Closing only hides it: the next Help shows it again.
    if (message == WM_CLOSE) {
        ShowWindow(hwnd, SW_HIDE);
        return 0;
    }
    if (message == WM_DPICHANGED)
        if (auto* help = reinterpret_cast<HelpStandIn*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))) {
            const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
            help->rescale(LOWORD(wParam));
            SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void HelpStandIn::rescale(int dpi) {
    dpi_ = dpi;
    HFONT old = font_;
    font_ = messageFontAt(dpi_);
    SendMessageW(label_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    if (old) DeleteObject(old);
    SendMessageW(window_, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(
                     icons_.icon(resources::kIconProgram, iconSizeAt(ui::IconRole::Small, dpi_))));
    SendMessageW(window_, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(
                     icons_.icon(resources::kIconProgram, iconSizeAt(ui::IconRole::Large, dpi_))));
    fitText();
}

void HelpStandIn::showFor(const std::string& path) {
    if (!window_) return;
    text_ = shownText(
        "This simulated machine has no help viewer. On Windows, the help window would open "
        "here, showing the default topic of the help file\n\n" +
        path);
    fitText();
    ShowWindow(window_, SW_SHOWNORMAL);
    SetForegroundWindow(window_);
}

void HelpStandIn::fitText() {
    const int width = ui::scaledPixels(kWidth, dpi_), margin = ui::scaledPixels(kMargin, dpi_);
    SetWindowTextW(label_, text_.c_str());
    RECT needed{0, 0, width - 2 * margin - 2 * GetSystemMetrics(SM_CXFIXEDFRAME), 0};
    HDC dc = GetDC(label_);
    HGDIOBJ old = SelectObject(dc, font_);
    DrawTextW(dc, text_.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(label_, dc);
    SetWindowPos(label_, nullptr, margin, margin, needed.right, needed.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    RECT frame{0, 0, needed.right + 2 * margin, needed.bottom + 2 * margin};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)), FALSE, 0);
    SetWindowPos(window_, HWND_TOP, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOACTIVATE);
}

}  // namespace zlx::win32
