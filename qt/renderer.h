#pragma once
// Follows the window model and keeps one WindowView per model window: created with the window,
// brought up to date by each change notification, gone with the window. Input goes back to the
// model through the ui::ModelInput the views share.

#include <QFont>
#include <QPointer>
#include <map>
#include <vector>

#include "qt/dialog_units.h"
#include "qt/window_view.h"
#include "ui/desktop.h"
#include "ui/model_input.h"
#include "ui/observer.h"

namespace zlx::qt {

// Platforms that only draw (tests, script mode) keep no window stack, and say so on standard
// error when asked to raise a window.
bool platformStacksWindows();

class Renderer final : public ui::DesktopObserver {
  public:
    // Draws the windows of `desktop` with `font` as the dialog font. Windows that exist already
    // are drawn at once.
    Renderer(ui::Desktop& desktop, const QFont& font);
    ~Renderer() override;
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    void windowCreated(ui::WindowHandle window) override;
    void windowDestroyed(ui::WindowHandle window) override;
    void windowChanged(ui::WindowHandle window) override;
    void controlChanged(ui::WindowHandle window, int controlId) override;

    WindowView* view(ui::WindowHandle window) const;
    // The top-level widget a window is shown in (a page's is its sheet's); null when none.
    QWidget* windowWidget(ui::WindowHandle window) const;
    // The top-level views, in the order their windows were made.
    std::vector<WindowView*> topLevelViews() const;
    ui::ModelInput& input() { return input_; }
    const DialogUnits& units() const { return units_; }

  private:
    void showTopLevel(WindowView& view, const ui::Dialog& window);
    void followForeground();
    // The user moved the input focus: the model hears which window and control hold it.
    void focusMoved(QWidget* now);

    ui::Desktop& desktop_;
    ui::ModelInput input_;
    QFont font_;
    DialogUnits units_;
    // Handles grow, so the map's order is the order of creation. A page's view belongs to its
    // sheet's widget and may go with it, hence the guarded pointers.
    std::map<ui::WindowHandle, QPointer<WindowView>> views_;
    ui::WindowHandle shownForeground_ = ui::kNoWindow;
    QObject focusWatch_;  // ends the focus connection with the renderer
};

}  // namespace zlx::qt
