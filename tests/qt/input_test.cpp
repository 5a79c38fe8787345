// What the user does in the widgets reaches the model as the messages it expects.

#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QToolButton>
#include <QtTest/QTest>

#include "model_fixture.h"
#include "qt/window_menu.h"

namespace zlx::qt::testing {
namespace {

using InputTest = ModelFixture;
using Command = RecordingDialog::Command;

TEST_F(InputTest, ClickingAButtonSendsBnClickedWithItsId) {
    RecordingDialog dialog(desktop, everyKindTemplate());
    dialog.create(ui::kNoWindow);
    QTest::mouseClick(widget<QPushButton>(dialog, 11), Qt::LeftButton);
    EXPECT_EQ(dialog.commands, (std::vector<Command>{{11, ui::kBnClicked, ui::kCbErr}}));
}

TEST_F(InputTest, ADisabledOrHiddenButtonSendsNothing) {
    RecordingDialog dialog(desktop, everyKindTemplate());
    dialog.create(ui::kNoWindow);
    QTest::mouseClick(widget<QPushButton>(dialog, 22), Qt::LeftButton);
    dialog.enableItem(11, false);
    QTest::mouseClick(widget<QPushButton>(dialog, 11), Qt::LeftButton);
    EXPECT_TRUE(dialog.commands.empty());
}

TEST_F(InputTest, ClickingARadioButtonChecksItInTheModelAndReportsTheClick) {
    RecordingDialog dialog(desktop, everyKindTemplate());
    dialog.create(ui::kNoWindow);
    dialog.checkItem(12, true);
    // On the button's circle, where a click counts.
    QPoint circle(4, widget<QRadioButton>(dialog, 13)->height() / 2);
    QTest::mouseClick(widget<QRadioButton>(dialog, 13), Qt::LeftButton, {}, circle);
    EXPECT_TRUE(dialog.itemChecked(13));
    EXPECT_FALSE(dialog.itemChecked(12));
    EXPECT_TRUE(widget<QRadioButton>(dialog, 13)->isChecked());
    EXPECT_FALSE(widget<QRadioButton>(dialog, 12)->isChecked());
    EXPECT_EQ(dialog.commands, (std::vector<Command>{{13, ui::kBnClicked, ui::kCbErr}}));
    // A second click leaves it checked: the model, not the widget, decides.
    QTest::mouseClick(widget<QRadioButton>(dialog, 13), Qt::LeftButton, {}, circle);
    EXPECT_TRUE(widget<QRadioButton>(dialog, 13)->isChecked());
}

TEST_F(InputTest, ChoosingAListEntrySelectsItThenSendsCbnSelChange) {
    RecordingDialog dialog(desktop, everyKindTemplate());
    dialog.create(ui::kNoWindow);
    for (const char* item : {"one", "three", "two"}) dialog.comboAdd(15, item);
    dialog.comboSetSel(15, 0);
    EXPECT_TRUE(dialog.commands.empty());  // the model's own change is no user choice
    auto* combo = widget<QComboBox>(dialog, 15);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(dialog.comboGetSel(15), 1);
    EXPECT_EQ(dialog.commands, (std::vector<Command>{{15, ui::kCbnSelChange, 1}}));
}

TEST_F(InputTest, TheModelMayRefillTheListWhileHandlingTheChoice) {
    RecordingDialog dialog(desktop, everyKindTemplate());
    dialog.create(ui::kNoWindow);
    for (const char* item : {"a", "b"}) dialog.comboAdd(15, item);
    dialog.comboSetSel(15, 0);
    dialog.onClick = nullptr;
    auto* combo = widget<QComboBox>(dialog, 15);
    QObject::connect(combo, &QComboBox::activated, combo, [&dialog] {
        dialog.comboReset(15);
        dialog.comboAdd(15, "c");
    });
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->count(), 1);
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(dialog.commands.size(), 1u);
}

TEST_F(InputTest, CloseBoxAndEscapeSendWmClose) {
    RecordingDialog dialog(desktop, everyKindTemplate());
    dialog.create(ui::kNoWindow);
    WindowView* view = renderer.view(dialog.handle());
    view->close();
    EXPECT_EQ(dialog.closes, 1);
    EXPECT_TRUE(view->isVisible());  // the model keeps its window
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_EQ(dialog.closes, 2);
}

TEST_F(InputTest, EnterClicksTheDefaultButton) {
    RecordingDialog dialog(desktop, everyKindTemplate());
    dialog.create(ui::kNoWindow);
    QTest::keyClick(renderer.view(dialog.handle()), Qt::Key_Return);
    EXPECT_EQ(dialog.commands, (std::vector<Command>{{11, ui::kBnClicked, ui::kCbErr}}));
}

TEST_F(InputTest, WindowMenuItemsSendWmSysCommandToTheWindowThatAddedThem) {
    RecordingPage page(desktop, ui::DialogTemplate{610, "Page", 150, 80, {}});
    ui::PropertySheet sheet(desktop, "Sheet");
    sheet.addPage(page);
    sheet.create(ui::kNoWindow);
    WindowView* view = renderer.view(sheet.handle());
    auto* button = view->findChild<QToolButton*>("window-menu");
    ASSERT_NE(button, nullptr);
    page.appendSystemMenuItem(16, "&About...");
    QMenu* menu = button->menu();
    emit menu->aboutToShow();
    QStringList texts;
    for (QAction* action : menu->actions()) texts << action->text();
    EXPECT_EQ(texts, (QStringList{"&About...", "", "Mi&nimize", "&Close"}));
    menu->actions()[0]->trigger();
    EXPECT_EQ(page.sysCommands, std::vector<int>{16});
    menu->actions()[2]->trigger();
    EXPECT_TRUE(sheet.minimized());
}

TEST_F(InputTest, TheWindowMenuIsTheWholeWindowsOnEveryPageBehindAFramedButton) {
    RecordingPage first(desktop, ui::DialogTemplate{611, "One", 150, 80, {}});
    RecordingPage second(desktop, ui::DialogTemplate{612, "Two", 150, 80, {}});
    ui::PropertySheet sheet(desktop, "Sheet");
    sheet.addPage(first);
    sheet.addPage(second);
    sheet.create(ui::kNoWindow);
    sheet.appendSystemMenuItem(32, "Sheet item");
    first.appendSystemMenuItem(16, "Page item");
    auto* button = renderer.view(sheet.handle())->findChild<QToolButton*>("window-menu");
    ASSERT_NE(button, nullptr);
    // The menu belongs to the window, not to the page showing.
    for (int page : {0, 1, 0}) {
        sheet.setActivePage(page);
        auto entries = ui::windowMenuEntries(desktop, sheet.handle());
        ASSERT_EQ(entries.size(), 4u) << page;  // then Minimize and Close
        EXPECT_EQ(entries[0].target, sheet.handle());
        EXPECT_EQ(entries[1].target, first.handle());
        EXPECT_EQ(entries[1].id, 16);
        EXPECT_EQ(entries[3].action, ui::WindowMenuEntry::Action::Close);
        EXPECT_TRUE(button->isVisibleTo(renderer.view(sheet.handle()))) << page;
        EXPECT_FALSE(button->autoRaise());
        EXPECT_FALSE(button->toolTip().isEmpty());
    }
}

TEST_F(InputTest, PointerOverABusyWindowShowsTheWaitCursor) {
    RecordingDialog dialog(desktop, everyKindTemplate());
    dialog.create(ui::kNoWindow);
    WindowView* view = renderer.view(dialog.handle());
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(view->controlWidget(11), &enter);
    EXPECT_EQ(view->cursor().shape(), Qt::ArrowCursor);
    dialog.busyCursor = true;
    QApplication::sendEvent(view->controlWidget(11), &enter);
    EXPECT_EQ(view->cursor().shape(), Qt::WaitCursor);
    dialog.busyCursor = false;
    QApplication::sendEvent(view, &enter);
    EXPECT_EQ(view->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(InputTest, MinimisingTheFrameTellsTheModel) {
    RecordingDialog dialog(desktop, everyKindTemplate());
    dialog.create(ui::kNoWindow);
    WindowView* view = renderer.view(dialog.handle());
    view->showMinimized();
    EXPECT_TRUE(dialog.minimized());
    view->showNormal();
    EXPECT_FALSE(dialog.minimized());
}

TEST_F(InputTest, AWindowDestroyedByItsOwnClickHandlerIsSafe) {
    auto dialog = std::make_unique<RecordingDialog>(desktop, everyKindTemplate());
    dialog->create(ui::kNoWindow);
    ui::WindowHandle handle = dialog->handle();
    QPointer<QWidget> view = renderer.view(handle);
    dialog->onClick = [&dialog](int) { dialog->destroy(); };
    QTest::mouseClick(widget<QPushButton>(*dialog, 11), Qt::LeftButton);
    EXPECT_EQ(renderer.view(handle), nullptr);
    ASSERT_FALSE(view.isNull());  // Qt deletes it once the click is over
    EXPECT_FALSE(view->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(view.isNull());
}

}  // namespace
}  // namespace zlx::qt::testing
