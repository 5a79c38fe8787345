#pragma once
// What the user does, turned into the messages the model expects. Every view forwards through
// here, which also tells the renderer whether the model is busy with an input just now.

#include "ui/desktop.h"
#include "ui/services.h"

namespace zlx::ui {

class ModelInput {
  public:
    explicit ModelInput(Desktop& desktop) : desktop_(desktop) {}
    ModelInput(const ModelInput&) = delete;
    ModelInput& operator=(const ModelInput&) = delete;

    Desktop& desktop() const { return desktop_; }

    // A push or radio button of `window` was clicked: BN_CLICKED (an automatic radio button
    // checks itself first).
    void click(WindowHandle window, int controlId);
    // Entry `index` of drop-down list `controlId` was chosen: the selection, then CBN_SELCHANGE.
    void select(WindowHandle window, int controlId, int index);
    // The close box or Escape: WM_CLOSE.
    void close(WindowHandle window);
    // An item of the window menu: WM_SYSCOMMAND to the window that added it.
    void sysCommand(WindowHandle window, int itemId);
    // A click on the tab of page `index` of a property sheet.
    void activatePage(WindowHandle sheet, int index);
    // The window frame was minimised or restored by the user.
    void setMinimized(WindowHandle window, bool minimized);
    // The cursor the window under the pointer asks for (WM_SETCURSOR).
    Cursor cursorOver(WindowHandle window);

    // The keyboard. The input focus moved to control `controlId` of `window` (0: to no
    // control of it, such as a sheet's tabs).
    void focus(WindowHandle window, int controlId);
    // Enter in top-level window `window`: the push button the model says Enter presses.
    void enter(WindowHandle window);
    // An arrow key on radio button `controlId`: the next (`step` 1) or previous (-1) button of
    // its group takes the focus and is clicked.
    void radioArrow(WindowHandle window, int controlId, int step);
    // Alt with `key` in `window`.
    void accessKey(WindowHandle window, char key);
    // Ctrl+Tab and the like in a property sheet: the next (1) or previous (-1) page.
    void stepPage(WindowHandle sheet, int step);
    // The user sized the window to `width` x `height` dialog units.
    void resize(WindowHandle window, int width, int height);

    // True while the model handles an input forwarded from here.
    bool busy() const { return depth_ > 0; }

  private:
    class Scope;
    Desktop& desktop_;
    int depth_ = 0;
};

}  // namespace zlx::ui
