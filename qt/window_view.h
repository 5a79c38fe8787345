#pragma once
// The Qt widget of one model window: a dialog or property sheet as a top-level window, a page
// inside its sheet. It shows the controls of the window's template as the model holds them and
// forwards what the user does through ui::ModelInput; it keeps no state of its own beyond what is
// needed to avoid redrawing what did not change.

#include <QShortcut>
#include <QToolButton>
#include <QWidget>
#include <map>
#include <memory>
#include <vector>

#include "qt/dialog_units.h"
#include "qt/sheet_tabs.h"
#include "ui/accessible.h"
#include "ui/dialog.h"
#include "ui/model_input.h"

namespace zlx::qt {

class WindowView final : public QWidget {
  public:
    // `parent` is null for a top-level window, which then shows its controls in `font`; a
    // child window is shown in `parent` and takes its font.
    WindowView(const ui::Dialog& window, ui::ModelInput& input, const DialogUnits& units,
               const QFont& font, QWidget* parent);
    ~WindowView() override;

    ui::WindowHandle handle() const { return handle_; }
    QWidget* controlWidget(int controlId) const;
    // The id of the control `widget` draws (or lies inside); 0 when it is none of them.
    int controlIdOf(const QWidget* widget) const;
    // What a screen reader says of the control `widget` draws.
    ui::AccessibleText accessibleTextOf(const QWidget* widget) const;
    // Sheets: the tab strip; null for other windows.
    SheetTabs* sheetTabs() const { return tabs_.get(); }
    // Where the windows whose parent this window is are shown.
    QWidget& childHost();

    // The model changed one control, or the window itself (title, icon, state, tabs, menu).
    void syncControl(int controlId);
    void syncWindow();

    // A child window the model minimised is drawn as Windows draws an iconic child: its
    // controls gone and the program icon in a small box at the bottom left of its area.
    bool iconic() const { return iconic_; }
    QRect iconicBox() const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const ui::Dialog* model() const { return input_.desktop().find(handle_); }
    void buildControls(const ui::Dialog& window);
    void nameByLabel(QWidget& widget, const ui::Control& control);
    void connectInput(QWidget& widget, const ui::Control& control);
    void syncFrame(const ui::Dialog& window);
    void syncMenuButton();
    void setIconic(bool iconic);
    void askCursor();
    bool resizable() const;
    // The push button Enter presses is drawn as the default, as Windows does while a push
    // button has the focus; the top-level view draws its own and its pages' buttons.
    void syncDefaultButtons();
    // Radio buttons the model does not stop Tab at take the focus from a click only.
    void syncTabStops();
    // Alt+key for every access mark the window's texts carry.
    void syncAccessKeys();
    bool handleRadioArrow(int controlId, QKeyEvent& event);
    bool handleWindowMenuShortcut(QKeyEvent& event);

    ui::ModelInput& input_;
    DialogUnits units_;
    ui::WindowHandle handle_;
    std::vector<QWidget*> widgets_;  // in the order of the model's controls
    std::unique_ptr<SheetTabs> tabs_;
    QToolButton* menuButton_ = nullptr;
    std::map<char, QShortcut*> accessShortcuts_;
    int shownIconId_ = -1;
    int shownFocusId_ = 0;
    bool syncing_ = false;
    bool iconic_ = false;
};

}  // namespace zlx::qt
