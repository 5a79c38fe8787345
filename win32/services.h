#pragma once
// The desktop services with Windows' own dialogs. A message box may be asked for from any
// thread: the user-interface thread shows it, owned by the model's window, and the asking
// thread waits for the answer.

#include <windows.h>

#include <atomic>
#include <functional>

#include "ui/services.h"

namespace zlx::win32 {

class Win32Services final : public ui::DesktopServices {
  public:
    // The window of a model window, for the owner of a box or dialog; null when none.
    using OwnerLookup = std::function<HWND(ui::WindowHandle)>;

    // Made on the user-interface thread, which is where the boxes are shown.
    explicit Win32Services(HINSTANCE instance);
    ~Win32Services() override;
    Win32Services(const Win32Services&) = delete;
    Win32Services& operator=(const Win32Services&) = delete;

    void setOwnerLookup(OwnerLookup lookup) { ownerLookup_ = std::move(lookup); }

    int messageBox(const ui::MessageBoxRequest& request) override;
    std::optional<std::string> saveFileDialog(const ui::SaveFileRequest& request) override;
    void setCursor(ui::Cursor cursor) override;
    void setClipboardText(const std::string& text) override;

  private:
    static LRESULT CALLBACK askProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    int showBox(const ui::MessageBoxRequest& request);
    HWND ownerOf(ui::WindowHandle owner) const;

    DWORD uiThread_;
    HWND askWindow_ = nullptr;
    OwnerLookup ownerLookup_;
    std::atomic<ui::Cursor> cursor_{ui::Cursor::Arrow};
};

}  // namespace zlx::win32
