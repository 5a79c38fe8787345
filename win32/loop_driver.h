#pragma once
// The model's message loop on the thread's Windows message queue. A modal loop of the model
// waits in GetMessage, and a message posted from any thread wakes it through a message-only
// window, which then dispatches the model's queue, also while Windows runs a loop of its own
// (a message box, the save dialog, a menu).

#include <windows.h>

#include <atomic>
#include <functional>

#include "ui/desktop.h"
#include "win32/renderer.h"

namespace zlx::win32 {

class Win32LoopDriver final : public ui::LoopDriver {
  public:
    // Made on the user-interface thread; becomes the desktop's driver until destroyed.
    Win32LoopDriver(ui::Desktop& desktop, Renderer& renderer, HINSTANCE instance);
    ~Win32LoopDriver() override;
    Win32LoopDriver(const Win32LoopDriver&) = delete;
    Win32LoopDriver& operator=(const Win32LoopDriver&) = delete;

    void waitForWork() override;
    void wake() override;
    // Asked every `periodMs` on the user-interface thread: true ends every loop of the model.
    void watchForEnd(std::function<bool()> ended, UINT periodMs);

  private:
    static LRESULT CALLBACK wakeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    ui::Desktop& desktop_;
    Renderer& renderer_;
    HWND wakeWindow_ = nullptr;
    // One wake-up waits in the queue at a time; it dispatches everything posted before it runs.
    std::atomic<bool> wakePending_{false};
    std::function<bool()> ended_;
};

// Handles every Windows message waiting now, without waiting for more: what a script's next
// command looks at (or a "shot" pictures) is then what a person would see.
void drainWindowMessages();

}  // namespace zlx::win32
