#pragma once
// Follows the window model and keeps one WindowView per model window: created with the window,
// brought up to date by each change notification, gone with the window. Windows' own dialog
// manager draws them; input goes back to the model through the ModelInput the views share.

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "platform/win32/system_library.h"
#include "ui/desktop.h"
#include "ui/model_input.h"
#include "ui/observer.h"
#include "win32/com_apartment.h"
#include "win32/control_sync.h"
#include "win32/icons.h"
#include "win32/window_view.h"

namespace zlx::win32 {

class Renderer final : public ui::DesktopObserver {
  public:
    // Draws the windows of `desktop`; windows that exist already are drawn at once.
    Renderer(ui::Desktop& desktop, HINSTANCE instance);
    ~Renderer() override;
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    void windowCreated(ui::WindowHandle window) override;
    void windowDestroyed(ui::WindowHandle window) override;
    void windowChanged(ui::WindowHandle window) override;
    void controlChanged(ui::WindowHandle window, int controlId) override;

    WindowView* view(ui::WindowHandle window) const;
    // The top-level window a model window is shown in (a page's is its sheet's); null when none.
    HWND windowOf(ui::WindowHandle window) const;
    // The top-level views, in the order their windows were made.
    std::vector<WindowView*> topLevelViews() const;
    ui::ModelInput& input() { return input_; }
    Icons& icons() { return icons_; }

    // The keys whose meaning the model decides (Enter, Escape, Ctrl+Tab, Ctrl+C, arrows on a
    // radio button, Alt with a letter), taken before the dialog manager sees them, then the
    // dialog manager's own keyboard. True when the message was used.
    bool translate(MSG& message);

  private:
    WindowView* viewOf(HWND hwnd) const;
    void place(const WindowView& view, const ui::Dialog& window);
    // A modal window takes the input from the windows below it on the modal stack.
    void syncModality();
    void followForeground();
    bool translateKey(WindowView& root, const MSG& message);

    // First made, last gone: the windows answer screen readers while they exist.
    ComApartment apartment_;
    ui::Desktop& desktop_;
    ui::ModelInput input_;
    HINSTANCE instance_;
    platform::win32::SystemLibrary richEdit_;
    Icons icons_;
    FontSizes fonts_;
    // Handles grow, so the map's order is the order of creation.
    std::map<ui::WindowHandle, std::unique_ptr<WindowView>> views_;
    ui::WindowHandle shownForeground_ = ui::kNoWindow;
};

}  // namespace zlx::win32
