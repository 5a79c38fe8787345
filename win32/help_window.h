#pragma once
// The simulated machine has no HTML Help viewer. Where the system would open a help window,
// the Win32 front end shows this stand-in, which names the help file that would open, so
// pressing Help visibly does something (the Qt front end shows the same).

#include <windows.h>

#include <string>

#include "win32/icons.h"

namespace zlx::win32 {

class HelpStandIn {
  public:
    // The window shows the program's icon from `icons`, which outlives it.
    HelpStandIn(HINSTANCE instance, Icons& icons);
    ~HelpStandIn();
    HelpStandIn(const HelpStandIn&) = delete;
    HelpStandIn& operator=(const HelpStandIn&) = delete;

    // Shows (or raises) the window for `path`, the help file the system asked for.
    void showFor(const std::string& path);
    HWND hwnd() const { return window_; }

  private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // The font, icons, margins and size at `dpi`.
    void rescale(int dpi);
    // The label as high as its text needs, the window around it.
    void fitText();

    Icons& icons_;
    HWND window_ = nullptr;
    HWND label_ = nullptr;
    HFONT font_ = nullptr;
    int dpi_ = 0;
    std::wstring text_;
};

}  // namespace zlx::win32
