#include "win32/loop_driver.h"

namespace zlx::win32 {

namespace {
constexpr UINT kWakeMessage = WM_APP + 1;
constexpr UINT_PTR kEndWatchTimer = 1;
constexpr const wchar_t* kWakeClass = L"ZlxLoopWake";
}  // namespace

Win32LoopDriver::Win32LoopDriver(ui::Desktop& desktop, Renderer& renderer, HINSTANCE instance)
    : desktop_(desktop), renderer_(renderer) {
    WNDCLASSW wakeClass{};
    wakeClass.lpfnWndProc = &Win32LoopDriver::wakeProc;
    wakeClass.hInstance = instance;
    wakeClass.lpszClassName = kWakeClass;
    RegisterClassW(&wakeClass);
    wakeWindow_ = CreateWindowExW(0, kWakeClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  instance, nullptr);
    SetWindowLongPtrW(wakeWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    desktop_.setDriver(this);
}

Win32LoopDriver::~Win32LoopDriver() {
    desktop_.setDriver(nullptr);
    if (wakeWindow_) DestroyWindow(wakeWindow_);
}

void Win32LoopDriver::waitForWork() {
    MSG message;
    BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
        // WM_QUIT (or a broken queue): nothing more will come.
        desktop_.quit();
        return;
    }
    if (renderer_.translate(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void Win32LoopDriver::wake() {
    if (wakePending_.exchange(true)) return;
    PostMessageW(wakeWindow_, kWakeMessage, 0, 0);
}

void Win32LoopDriver::watchForEnd(std::function<bool()> ended, UINT periodMs) {
    ended_ = std::move(ended);
    SetTimer(wakeWindow_, kEndWatchTimer, periodMs, nullptr);
}

LRESULT CALLBACK Win32LoopDriver::wakeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* driver = reinterpret_cast<Win32LoopDriver*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (driver && message == kWakeMessage) {
        // Cleared first: a message posted while the queue drains asks for another turn.
        driver->wakePending_ = false;
        driver->desktop_.dispatchAll();
        return 0;
    }
    if (driver && message == WM_TIMER && wParam == kEndWatchTimer) {
        if (driver->ended_ && driver->ended_()) driver->desktop_.quit();
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void drainWindowMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace zlx::win32
