// A property sheet drawn as a tabbed window, and a modal dialog opened over it.

#include <QPushButton>
#include <QTabBar>
#include <QtTest/QTest>

#include "model_fixture.h"

namespace zlx::qt::testing {
namespace {

ui::DialogTemplate pageTemplate(int id, std::string caption, int buttonId) {
    return ui::DialogTemplate{
        id,
        std::move(caption),
        180,
        100,
        {control(buttonId, ui::ControlKind::PushButton, "Go", {5, 5, 50, 14})}};
}

class SheetTest : public ModelFixture {
  protected:
    RecordingPage first{desktop, pageTemplate(601, "First", 31)};
    RecordingPage second{desktop, pageTemplate(602, "Second", 32)};
    RecordingPage third{desktop, pageTemplate(603, "Third", 33)};
    ui::PropertySheet sheet{desktop, "Sheet Title"};

    SheetTest() {
        sheet.addPage(first);
        sheet.addPage(second);
        sheet.addPage(third);
    }
    WindowView& sheetView() { return *renderer.view(sheet.handle()); }
    QTabBar& tabs() { return sheetView().sheetTabs()->tabBar(); }
};

TEST_F(SheetTest, TabsAreThePagesCaptionsAndTheFirstPageIsShown) {
    sheet.create(ui::kNoWindow);
    ASSERT_NE(sheetView().sheetTabs(), nullptr);
    ASSERT_EQ(tabs().count(), 3);
    EXPECT_EQ(tabs().tabText(0), "First");
    EXPECT_EQ(tabs().tabText(2), "Third");
    EXPECT_EQ(tabs().currentIndex(), 0);
    EXPECT_EQ(sheetView().windowTitle(), "Sheet Title");
    WindowView* page = renderer.view(first.handle());
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(page->isWindow());
    EXPECT_EQ(page->parentWidget(), &sheetView().sheetTabs()->pageArea());
    EXPECT_TRUE(page->isVisible());
    // Pages are made when first shown.
    EXPECT_FALSE(second.created());
}

TEST_F(SheetTest, ClickingATabMakesThatPageActiveInTheModel) {
    sheet.create(ui::kNoWindow);
    QTest::mouseClick(&tabs(), Qt::LeftButton, {}, tabs().tabRect(1).center());
    EXPECT_EQ(sheet.activeIndex(), 1);
    ASSERT_TRUE(second.created());
    EXPECT_TRUE(renderer.view(second.handle())->isVisible());
    EXPECT_FALSE(renderer.view(first.handle())->isVisible());
}

TEST_F(SheetTest, TabStripFollowsTheModelsActivePage) {
    sheet.create(ui::kNoWindow);
    sheet.setActivePage(2);
    EXPECT_EQ(tabs().currentIndex(), 2);
    EXPECT_TRUE(renderer.view(third.handle())->isVisible());
}

TEST_F(SheetTest, SheetButtonsAreItsOwnControlsAndHelpFollowsThePage) {
    second.setHasHelp(false);
    sheet.create(ui::kNoWindow);
    auto* help = widget<QPushButton>(sheet, ui::kIdHelp);
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(widget<QPushButton>(sheet, ui::kIdOk)->isDefault());
    EXPECT_EQ(widget<QPushButton>(sheet, ui::kIdCancel)->text(), "Cancel");
    sheet.setActivePage(1);
    EXPECT_FALSE(help->isVisible());
}

TEST_F(SheetTest, PageControlsLieInsideThePageArea) {
    sheet.create(ui::kNoWindow);
    QWidget& area = sheetView().sheetTabs()->pageArea();
    QRect areaRect = area.geometry();
    QRect tabRect = tabs().geometry();
    EXPECT_LE(tabRect.bottom(), areaRect.top() + 4);  // the tabs sit on the page frame
    QWidget* go = renderer.view(first.handle())->controlWidget(31);
    EXPECT_TRUE(areaRect.contains(QRect(area.mapTo(&sheetView(), go->pos()), go->size())));
    QWidget* ok = sheetView().controlWidget(ui::kIdOk);
    EXPECT_GT(ok->geometry().top(), areaRect.bottom());
}

TEST_F(SheetTest, AModalDialogOpensOverTheSheetAndGoesWithItsLoop) {
    int dialogResult = 0;
    ui::WindowHandle dialogHandle = ui::kNoWindow;
    input.then([&] {
        EXPECT_TRUE(sheetView().isVisible());
        EXPECT_EQ(sheetView().windowModality(), Qt::NonModal);
        RecordingDialog about(
            desktop,
            ui::DialogTemplate{700,
                               "About",
                               120,
                               40,
                               {control(1, ui::ControlKind::PushButton, "OK", {60, 20, 50, 14})}});
        about.onClick = [&about](int id) { about.endDialog(id); };
        dialogResult = about.doModal(sheet.handle());
    });
    input.then([&] {
        ASSERT_EQ(desktop.modalStack().size(), 2u);
        dialogHandle = desktop.activeWindow()->handle();
        WindowView* view = renderer.view(dialogHandle);
        ASSERT_NE(view, nullptr);
        EXPECT_TRUE(view->isWindow());
        EXPECT_TRUE(view->isVisible());
        EXPECT_EQ(view->windowModality(), Qt::ApplicationModal);
        QPoint offCentre = view->geometry().center() - sheetView().geometry().center();
        EXPECT_LE(offCentre.manhattanLength(), 2);
        // The user presses OK in the dialog.
        QTest::mouseClick(view->controlWidget(1), Qt::LeftButton);
    });
    input.then([&] {
        EXPECT_EQ(renderer.view(dialogHandle), nullptr);
        EXPECT_EQ(desktop.modalStack().size(), 1u);
        QTest::mouseClick(sheetView().controlWidget(ui::kIdOk), Qt::LeftButton);
    });
    EXPECT_EQ(sheet.doModal(), ui::kIdOk);
    EXPECT_EQ(dialogResult, 1);
    EXPECT_TRUE(renderer.topLevelViews().empty());
}

}  // namespace
}  // namespace zlx::qt::testing
