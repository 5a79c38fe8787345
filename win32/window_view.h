#pragma once
// The Windows dialog of one model window: a dialog or property sheet as a top-level window, a
// page as a child dialog inside its sheet. The dialog manager makes it from the model's
// template; it shows the controls as the model holds them and forwards what the user does
// through ui::ModelInput. It keeps no state of its own beyond what it takes to change only
// what differs.

#include <windows.h>

#include <vector>

#include "ui/dialog.h"
#include "ui/model_input.h"
#include "ui/screen_scale.h"
#include "win32/accessible_control.h"
#include "win32/control_sync.h"
#include "win32/system_menu.h"

namespace zlx::win32 {

// What every view of one renderer shares.
struct ViewContext {
    ui::ModelInput& input;
    ControlLooks looks;
    HINSTANCE instance;
};

// Where a page goes in its sheet: the page area in the sheet's client pixels, and the sheet's
// scale.
struct PagePlace {
    RECT area;
    int dpi;
};

class WindowView final : public AccessibleSource {
  public:
    // A top-level window owned by `owner` (may be null) when `page` is null; otherwise a child
    // of `owner` filling the page area at the sheet's scale.
    WindowView(const ui::Dialog& window, ViewContext context, HWND owner, const PagePlace* page);
    ~WindowView();
    WindowView(const WindowView&) = delete;
    WindowView& operator=(const WindowView&) = delete;

    ui::WindowHandle handle() const { return handle_; }
    HWND hwnd() const { return hwnd_; }
    bool topLevel() const { return topLevel_; }
    // The Windows control showing the model's control `controlId` (the first of that id).
    HWND controlWindow(int controlId) const;
    // The model control a Windows control shows; 0 when it shows none of them.
    int controlIdOf(HWND control) const;
    // What ui::accessibleText says of the model control `control` shows.
    std::optional<AccessibleFacts> accessibleFactsOf(HWND control) const override;
    // Sheets: the tab control; null for other windows.
    HWND tabs() const { return tabs_; }
    // Where a sheet shows its pages, in the sheet's client pixels at its present scale.
    RECT pageArea() const;
    // The dots per inch the window is drawn for.
    int dpi() const { return dpi_; }
    const SystemMenu& systemMenu() const { return systemMenu_; }

    // The model changed one control, or the window itself (title, icon, state, tabs, menu).
    void syncControl(int controlId);
    void syncWindow();

  private:
    static INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Handles a message; the model may destroy this view while it handles one, so nothing of
    // the view is touched after a call into the model.
    INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    const ui::Dialog* model() const { return context_.input.desktop().find(handle_); }
    void makeTabs(const ui::Dialog& sheet);
    void syncTabs(const ui::Dialog& sheet);
    void syncFrame(const ui::Dialog& window);
    // The frame around a client area of `width` x `height` dialog units, unless it holds that
    // already (pixels hold whole units only).
    void fitClient(int width, int height);
    void forwardSize(WPARAM kind);
    RECT pixels(const ui::DialogRect& rect) const;
    // Draws the window again for `dpi`: its dialog font and units, its controls, icons, tabs
    // and pages.
    void rescale(int dpi);

    ViewContext context_;
    ui::WindowHandle handle_;
    bool topLevel_;
    HWND hwnd_ = nullptr;
    HWND tabs_ = nullptr;
    // The dialog units of the window's font, and the font made when the scale changes (the
    // dialog manager keeps the one it made).
    ui::BaseUnits units_{};
    int dpi_ = ui::kBaseDpi;
    HFONT font_ = nullptr;
    std::vector<ShownControl> controls_;  // in the order of the model's controls
    SystemMenu systemMenu_;
    std::wstring shownTitle_;
    int shownIconId_ = -1;
    int shownFocusId_ = 0;
    bool shownVisible_ = false;
    bool shownMinimized_ = false;
    bool syncing_ = false;
};

}  // namespace zlx::win32
