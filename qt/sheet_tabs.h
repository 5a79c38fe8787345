#pragma once
// The tab strip and page area of a property sheet. The tabs are the pages' captions; a click
// on one asks the model to show that page, and the strip follows the model's active page.

#include <QTabBar>
#include <QWidget>

#include "qt/dialog_units.h"
#include "ui/model_input.h"
#include "ui/property_sheet.h"

namespace zlx::qt {

class SheetTabs {
  public:
    SheetTabs(QWidget& sheetView, const ui::PropertySheet& sheet, ui::ModelInput& input,
              const DialogUnits& units);
    SheetTabs(const SheetTabs&) = delete;
    SheetTabs& operator=(const SheetTabs&) = delete;

    QTabBar& tabBar() const { return *tabBar_; }
    // Where the page windows are shown, in the page's own coordinates.
    QWidget& pageArea() const { return *pageArea_; }
    void sync(const ui::PropertySheet& sheet);

  private:
    void onTabChosen(int index);

    ui::ModelInput& input_;
    ui::WindowHandle sheet_;
    QTabBar* tabBar_;
    QWidget* frame_;
    QWidget* pageArea_;
};

}  // namespace zlx::qt
