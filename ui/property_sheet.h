#pragma once
// A property sheet: tabbed pages, each created when first shown, with the sheet's own OK,
// Cancel and Help buttons (no Apply button).

#include <string>
#include <vector>

#include "ui/dialog.h"

namespace zlx::ui {

class PropertySheet;

class PropertyPage : public Dialog {
  public:
    PropertyPage(Desktop& desktop, DialogTemplate tmpl);
    WindowKind kind() const override { return WindowKind::Page; }
    PropertySheet* sheet() const { return sheet_; }
    bool hasHelp() const { return hasHelp_; }
    void setHasHelp(bool hasHelp) { hasHelp_ = hasHelp; }
    // The tab's caption: the page template's title.
    // A page receives WM_CLOSE when its sheet closes; the default does nothing more.
    const std::string& caption() const { return dialogTemplate().title; }

    virtual void onSetActive() {}
    virtual void onKillActive() {}

  protected:
    void onClose() override {}

  private:
    PropertySheet* sheet_ = nullptr;
    bool hasHelp_ = true;
    friend class PropertySheet;
};

class PropertySheet : public Dialog {
  public:
    // Dialog units: the row of tabs above the page area, and the tab control's frame around
    // it on the left, right and bottom.
    static constexpr int kTabHeight = 14;
    static constexpr int kFrameInset = 3;

    PropertySheet(Desktop& desktop, std::string caption);
    WindowKind kind() const override { return WindowKind::Sheet; }

    void addPage(PropertyPage& page);
    void setStartPage(int index) { startPage_ = index; }
    void setHasHelp(bool hasHelp) { hasHelp_ = hasHelp; }
    bool hasHelp() const { return hasHelp_; }

    int pageCount() const { return static_cast<int>(pages_.size()); }
    PropertyPage& page(int index) const { return *pages_.at(index); }
    int activeIndex() const { return active_; }
    PropertyPage* activePage() const;
    // Shows page `index`, creating its window the first time (as a click on its tab).
    void setActivePage(int index);
    // Ctrl+Tab (`step` 1) and Ctrl+Shift+Tab (-1): the next or previous page, around the end.
    void stepPage(int step);
    // A push button of the active page presses itself while it has the focus; anywhere else
    // Enter presses the sheet's default button.
    ControlRef enterTarget() const override;

    // Laid out as Windows' property sheet is, in the sheet's dialog units: the tab control
    // (tabs and frame) 7 units in from the top and sides, the pages inside its frame, and the
    // buttons 7 units below it.
    DialogRect tabControl() const { return tabControl_; }
    DialogRect pageArea() const { return pageArea_; }

  protected:
    bool onInitDialog() override;
    void onCommand(int id, std::uint32_t code) override;
    // The Help button; the owner of the sheet decides what help is.
    virtual void onHelp() {}
    void onDestroy() override;
    // The close box and Escape act as the Cancel button, and like it do nothing while it is
    // disabled (a page disables it during work that must not be cut short).
    void onClose() override;
    void beforeCreate() override { layout(); }

  private:
    void layout();
    void updateHelpButton();

    std::vector<PropertyPage*> pages_;
    DialogRect tabControl_{};
    DialogRect pageArea_{};
    int startPage_ = 0;
    int active_ = -1;
    bool hasHelp_ = true;
};

}  // namespace zlx::ui
