// The keyboard and the frame as a Windows dialog has them: Enter, Tab stops and arrows in a
// radio group, Alt with an access key, Ctrl+Tab through a sheet, Ctrl+C, a sizing frame, and
// counters drawn whole.

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest/QTest>

#include "model_fixture.h"
#include "qt/qt_services.h"
#include "resources/dialogs.h"

namespace zlx::qt::testing {
namespace {

using K = ui::ControlKind;

ui::DialogTemplate keysPage() {
    return ui::DialogTemplate{
        620,
        "Keys",
        200,
        100,
        {
            control(11, K::RadioButton, "&Network", {5, 5, 80, 10}),
            control(12, K::RadioButton, "Client", {5, 17, 80, 10}),
            control(20, K::Static, "&Adapter:", {5, 31, 40, 8}),
            control(21, K::DropDownList, "", {50, 29, 100, 60}),
            control(31, K::PushButton, "Ad&vanced", {5, 50, 57, 14}),
            control(32, K::PushButton, "&Start", {70, 50, 50, 14}, ui::kStyleDefault),
        }};
}

class KeyboardTest : public ModelFixture {
  protected:
    RecordingPage page{desktop, keysPage()};
    RecordingPage other{desktop, ui::DialogTemplate{621, "Other", 200, 100, {}}};
    ui::PropertySheet sheet{desktop, "Sheet"};

    KeyboardTest() {
        sheet.addPage(page);
        sheet.addPage(other);
        sheet.create(ui::kNoWindow);
        QWidget* view = renderer.view(sheet.handle());
        view->activateWindow();
        QApplication::setActiveWindow(view);
    }
    QWidget* pageWidget(int id) { return renderer.view(page.handle())->controlWidget(id); }
};

TEST_F(KeyboardTest, EnterPressesTheFocusedPushButtonAndItIsDrawnAsTheDefault) {
    auto* ok = widget<QPushButton>(sheet, ui::kIdOk);
    auto* advanced = static_cast<QPushButton*>(pageWidget(31));
    EXPECT_TRUE(ok->isDefault());
    advanced->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(page.focusId(), 31);
    EXPECT_TRUE(advanced->isDefault());
    EXPECT_FALSE(ok->isDefault());
    QTest::keyClick(advanced, Qt::Key_Return);
    EXPECT_EQ(page.clicks, std::vector<int>{31});
    // Focus on the list: the sheet's default again, not the page's own.
    pageWidget(21)->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(ok->isDefault());
    EXPECT_FALSE(static_cast<QPushButton*>(pageWidget(32))->isDefault());

    // A dialog without a default button: Enter on the button the model focused presses it.
    RecordingDialog window(
        desktop, ui::DialogTemplate{622,
                                    "Test",
                                    120,
                                    40,
                                    {control(1031, K::PushButton, "Stop Test", {5, 5, 50, 14}),
                                     control(1027, K::PushButton, "Close", {60, 5, 50, 14})}});
    window.create(ui::kNoWindow);
    window.setFocus(1027);
    QTest::keyClick(renderer.view(window.handle()), Qt::Key_Return);
    ASSERT_EQ(window.commands.size(), 1u);
    EXPECT_EQ(window.commands[0].id, 1027);
}

TEST_F(KeyboardTest, RadioGroupAccessKeysAndPageKeys) {
    page.checkItem(11, true);
    // The group is one Tab stop: its checked button.
    EXPECT_EQ(pageWidget(11)->focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(pageWidget(12)->focusPolicy(), Qt::ClickFocus);
    pageWidget(11)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(pageWidget(11), Qt::Key_Down);
    EXPECT_TRUE(page.itemChecked(12));
    EXPECT_EQ(page.clicks, std::vector<int>{12});
    EXPECT_EQ(QApplication::focusWidget(), pageWidget(12));
    EXPECT_EQ(pageWidget(12)->focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(pageWidget(11)->focusPolicy(), Qt::ClickFocus);

    // Alt with a label's key focuses what follows it; with a button's, presses it.
    QTest::keyClick(pageWidget(12), Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), pageWidget(21));
    QTest::keyClick(pageWidget(21), Qt::Key_V, Qt::AltModifier);
    QTest::keyClick(pageWidget(21), Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(page.clicks, (std::vector<int>{12, 31, 11}));
    EXPECT_TRUE(page.itemChecked(11));

    // Ctrl+Tab and Ctrl+PgDn forward, with Shift or Ctrl+PgUp back, round the pages.
    std::vector<int> shown;
    for (auto [key, modifiers] : std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>>{
             {Qt::Key_Tab, Qt::ControlModifier},
             {Qt::Key_Tab, Qt::ControlModifier},
             {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier},
             {Qt::Key_PageDown, Qt::ControlModifier},
             {Qt::Key_PageUp, Qt::ControlModifier}}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        shown.push_back(sheet.activeIndex());
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 0, 1, 0, 1}));
}

TEST_F(KeyboardTest, ShortcutsChooseTheirWindowMenuItemsWhileEnabled) {
    RecordingDialog dialog(desktop, everyKindTemplate());
    dialog.create(ui::kNoWindow);
    dialog.appendSystemMenuItem(32, "&Copy", ui::Dialog::Shortcut::CtrlC);
    dialog.appendSystemMenuItem(48, "Signal &History...", ui::Dialog::Shortcut::CtrlH);
    QWidget* button = renderer.view(dialog.handle())->controlWidget(11);
    QTest::keyClick(button, Qt::Key_H, Qt::ControlModifier);
    QTest::keyClick(button, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(button, Qt::Key_H, Qt::AltModifier);  // not the shortcut
    dialog.enableSystemMenuItem(32, false);
    QTest::keyClick(button, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(dialog.sysCommands, (std::vector<int>{48, 32}));
    // The menu shows each shortcut beside its item.
    auto* menuButton = renderer.view(dialog.handle())->findChild<QToolButton*>("window-menu");
    ASSERT_TRUE(menuButton);
    emit menuButton->menu()->aboutToShow();
    QStringList shown;
    for (QAction* action : menuButton->menu()->actions())
        if (!action->shortcut().isEmpty()) shown << action->shortcut().toString();
    EXPECT_EQ(shown, (QStringList{"Ctrl+C", "Ctrl+H"}));
    // The desktop service puts the model's lines on the clipboard as Qt draws them.
    QtServices qtServices;
    qtServices.setClipboardText("Label: value\r\nNext: 2\r\n");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Label: value\nNext: 2\n");
}

TEST_F(KeyboardTest, OnlyATemplateWithASizingFrameResizesAndItsLogGrows) {
    ui::DialogTemplate t{
        623,
        "Log",
        150,
        100,
        {control(1, K::RichText, "", {5, 5, 140, 70}, ui::kStyleGrowRight | ui::kStyleGrowDown),
         control(2, K::PushButton, "Close", {95, 80, 50, 14},
                 ui::kStyleFollowRight | ui::kStyleFollowBottom)}};
    t.resizable = true;
    RecordingDialog log(desktop, t);
    log.create(ui::kNoWindow);
    WindowView* view = renderer.view(log.handle());
    EXPECT_TRUE(view->windowFlags() & Qt::WindowMaximizeButtonHint);
    QSize small = view->size();
    QWidget* text = view->controlWidget(1);
    QWidget* close = view->controlWidget(2);
    QPoint closeFromCorner = QPoint(view->width(), view->height()) - close->geometry().topLeft();
    view->resize(small.width() + 200, small.height() + 150);
    EXPECT_GT(log.width(), 150);
    EXPECT_GT(text->width(), 300);
    EXPECT_GT(text->height(), 200);
    QPoint moved = QPoint(view->width(), view->height()) - close->geometry().topLeft();
    EXPECT_LE((moved - closeFromCorner).manhattanLength(), 4);  // whole dialog units
    EXPECT_EQ(view->minimumSize(), small);
    // The sheet keeps the size its pages give it.
    WindowView* sheetView = renderer.view(sheet.handle());
    EXPECT_EQ(sheetView->minimumSize(), sheetView->maximumSize());

    // The Signal History's graph takes what the window gains; Close stays in the corner.
    RecordingDialog history(desktop, resources::dialogTemplate(resources::kDialogSignalHistory));
    history.create(ui::kNoWindow);
    WindowView* historyView = renderer.view(history.handle());
    EXPECT_TRUE(historyView->windowFlags() & Qt::WindowMaximizeButtonHint);
    QWidget* graph = historyView->controlWidget(resources::kIdcSignalGraph);
    QWidget* historyClose = historyView->controlWidget(1);
    const QSize graphBefore = graph->size();
    const QPoint closeBefore =
        QPoint(historyView->width(), historyView->height()) - historyClose->geometry().topLeft();
    historyView->resize(historyView->size() + QSize(300, 200));
    EXPECT_GE(graph->width(), graphBefore.width() + 296);
    EXPECT_GE(graph->height(), graphBefore.height() + 196);
    const QPoint closeAfter =
        QPoint(historyView->width(), historyView->height()) - historyClose->geometry().topLeft();
    EXPECT_LE((closeAfter - closeBefore).manhattanLength(), 4);
}

TEST_F(KeyboardTest, TheLargestCounterIsDrawnWholeInEveryColumn) {
    RecordingPage diagnostics(desktop, resources::dialogTemplate(resources::kDialogStatistics));
    diagnostics.create(ui::kNoWindow);
    int counters = 0;
    for (const ui::Control& c : diagnostics.controls()) {
        if (!(c.style & ui::kStyleFitWidth)) continue;
        ++counters;
        diagnostics.setItemText(c.id, "18446744073709551615");
        auto* label = widget<QLabel>(diagnostics, c.id);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), "18446744073709551615") << c.id;
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << c.id;
        diagnostics.setItemText(c.id, "7");
        EXPECT_EQ(label->font(), renderer.view(diagnostics.handle())->font()) << c.id;
    }
    EXPECT_EQ(counters, 27);
}

}  // namespace
}  // namespace zlx::qt::testing
