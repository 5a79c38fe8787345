// How the front end draws what the model holds where plain widgets would mislead: long names,
// the end of a long log, a minimised page.

#include <QAbstractItemView>
#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest/QTest>

#include "model_fixture.h"
#include "qt/eliding_combo_box.h"
#include "qt/rich_text_view.h"

namespace zlx::qt::testing {
namespace {

using PolishTest = ModelFixture;

TEST_F(PolishTest, ALongListEntryIsElidedWhenClosedAndWholeWhenOpen) {
    RecordingDialog dialog(desktop, everyKindTemplate());
    dialog.create(ui::kNoWindow);
    const std::string longName =
        "Norvane ZLX 802.11n Wireless Adapter with an exceedingly long vendor description "
        "that ends in an accented é";
    dialog.comboAdd(15, longName);
    dialog.comboSetSel(15, 0);
    auto* combo = dynamic_cast<ElidingComboBox*>(widget<QComboBox>(dialog, 15));
    ASSERT_NE(combo, nullptr);
    QString full = QString::fromStdString(longName);
    QString shown = combo->shownText();
    ASSERT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
    EXPECT_TRUE(full.startsWith(shown.chopped(1)));
    EXPECT_GE(combo->popupWidth(), combo->view()->fontMetrics().horizontalAdvance(full));

    dialog.comboAdd(15, "Short");
    dialog.comboSetSel(15, 1);
    EXPECT_EQ(combo->shownText(), "Short");
}

TEST_F(PolishTest, ALogScrolledToItsEndShowsWholeLinesForEveryHeight) {
    for (int height : {97, 100, 113, 128, 150}) {
        RichTextView view;
        view.resize(300, height);
        view.show();
        ui::Control log;
        log.kind = ui::ControlKind::RichText;
        log.scrolledToEnd = true;
        log.runs = {{std::string(), 0, false, false}};
        for (int i = 0; i < 60; ++i) log.runs[0].text += "10:00:" + std::to_string(i) + " line\n";
        view.showRuns(log);
        QCoreApplication::processEvents();
        view.showRuns(log);
        QTextBlock top = view.cursorForPosition(QPoint(4, 1)).block();
        int topEdge = qRound(view.document()->documentLayout()->blockBoundingRect(top).top()) -
                      view.verticalScrollBar()->value();
        EXPECT_EQ(topEdge, 0) << "height " << height;
    }
}

TEST_F(PolishTest, ABurstOfLinesIsLaidOutAsOneInsertionAndScrolledOnce) {
    RichTextView view;
    view.resize(300, 100);
    view.show();
    int insertions = 0, scrolls = 0;
    QObject::connect(view.document(), &QTextDocument::contentsChange,
                     [&insertions](int, int, int) { ++insertions; });
    QObject::connect(view.verticalScrollBar(), &QScrollBar::valueChanged,
                     [&scrolls](int) { ++scrolls; });
    ui::Control log;
    log.kind = ui::ControlKind::RichText;
    log.scrolledToEnd = true;
    log.runs = {{std::string(), 0, false, false}};
    for (int i = 0; i < 50; ++i) {
        log.runs[0].text += "10:00:" + std::to_string(i) + " line\n";
        view.showRuns(log);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(insertions, 1);
    EXPECT_LE(scrolls, 2);  // the cursor to the end, then the bar to its maximum: once each
    EXPECT_GT(view.verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(view.verticalScrollBar()->value(), view.verticalScrollBar()->maximum());
    EXPECT_TRUE(view.toPlainText().endsWith("10:00:49 line\n"));
}

TEST_F(PolishTest, AMinimisedPageIsDrawnAsAnIconAndComesBackWhole) {
    RecordingPage page(desktop, everyKindTemplate());
    ui::PropertySheet sheet(desktop, "Sheet");
    sheet.addPage(page);
    sheet.create(ui::kNoWindow);
    WindowView* view = renderer.view(page.handle());
    ASSERT_NE(view, nullptr);
    desktop.showWindow(page.handle(), ui::ShowCommand::Minimize);
    EXPECT_TRUE(view->iconic());
    EXPECT_FALSE(view->controlWidget(11)->isVisibleTo(view));
    desktop.showWindow(page.handle(), ui::ShowCommand::Restore);
    EXPECT_FALSE(view->iconic());
    EXPECT_TRUE(view->controlWidget(11)->isVisibleTo(view));
    EXPECT_FALSE(view->controlWidget(21)->isVisibleTo(view));  // hidden in the model stays so
}

}  // namespace
}  // namespace zlx::qt::testing
