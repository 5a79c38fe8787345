// The renderer follows the model: every change the model announces shows in the widgets.

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTextBlock>
#include <QTextEdit>

#include "model_fixture.h"
#include "qt/control_widgets.h"
#include "qt/rich_text_view.h"

namespace zlx::qt::testing {
namespace {

using RendererTest = ModelFixture;

QString widgetText(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(w)) return group->title();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
    return QStringLiteral("<no text>");
}

struct TextCase {
    int id;
    const char* initial;
    friend void PrintTo(const TextCase& c, std::ostream* out) {
        *out << "control " << c.id << " \"" << c.initial << "\"";
    }
};

class ControlTextTest : public RendererTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(ControlTextTest, ShowsTheTemplateTextAndFollowsChanges) {
    RecordingDialog dialog(desktop, everyKindTemplate());
    dialog.create(ui::kNoWindow);
    QWidget* w = renderer.view(dialog.handle())->controlWidget(GetParam().id);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(widgetText(w), QString::fromUtf8(GetParam().initial));
    dialog.setItemText(GetParam().id, "Änderung, mehr");
    EXPECT_EQ(widgetText(w), QStringLiteral("Änderung, mehr"));
}

INSTANTIATE_TEST_SUITE_P(Kinds, ControlTextTest,
                         ::testing::Values(TextCase{10, "Label"}, TextCase{11, "Press"},
                                           TextCase{12, "First"}, TextCase{14, "Group"},
                                           TextCase{16, "edit text"}));

TEST_F(RendererTest, WindowIsSizedAndControlsPlacedInDialogUnits) {
    RecordingDialog dialog(desktop, everyKindTemplate());
    dialog.create(ui::kNoWindow);
    WindowView* view = renderer.view(dialog.handle());
    const DialogUnits& units = renderer.units();
    EXPECT_EQ(view->size(), units.size(200, 180));
    EXPECT_EQ(view->controlWidget(11)->geometry(), units.rect({110, 5, 50, 14}));
    // An icon takes the icon's size, a closed list one line.
    EXPECT_EQ(view->controlWidget(18)->size(), QSize(kIconSize, kIconSize));
    EXPECT_LT(view->controlWidget(15)->height(), units.y(60));
}

TEST_F(RendererTest, StylesGiveTheInitialState) {
    RecordingDialog dialog(desktop, everyKindTemplate());
    dialog.create(ui::kNoWindow);
    EXPECT_TRUE(widget<QPushButton>(dialog, 11)->isDefault());
    EXPECT_FALSE(widget<QPushButton>(dialog, 21)->isVisible());
    EXPECT_FALSE(widget<QPushButton>(dialog, 22)->isEnabled());
    EXPECT_TRUE(widget<QLineEdit>(dialog, 16)->isReadOnly());
    EXPECT_FALSE(widget<QComboBox>(dialog, 15)->isEditable());
}

TEST_F(RendererTest, EnableShowAndCheckFollowTheModel) {
    RecordingDialog dialog(desktop, everyKindTemplate());
    dialog.create(ui::kNoWindow);
    auto* press = widget<QPushButton>(dialog, 11);
    dialog.enableItem(11, false);
    EXPECT_FALSE(press->isEnabled());
    dialog.enableItem(11, true);
    EXPECT_TRUE(press->isEnabled());
    dialog.showItem(11, false);
    EXPECT_TRUE(press->isHidden());
    dialog.showItem(21, true);
    EXPECT_TRUE(widget<QPushButton>(dialog, 21)->isVisible());
    dialog.checkItem(13, true);
    EXPECT_TRUE(widget<QRadioButton>(dialog, 13)->isChecked());
    EXPECT_FALSE(widget<QRadioButton>(dialog, 12)->isChecked());
}

TEST_F(RendererTest, ListShowsTheModelsEntriesAndSelection) {
    RecordingDialog dialog(desktop, everyKindTemplate());
    dialog.create(ui::kNoWindow);
    auto* combo = widget<QComboBox>(dialog, 15);
    dialog.comboAdd(15, "beta");
    dialog.comboAdd(15, "Alpha");
    dialog.comboAdd(15, "gamma");
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(0), "Alpha");  // the model sorts
    EXPECT_EQ(combo->currentIndex(), -1);
    dialog.comboSetSel(15, 2);
    EXPECT_EQ(combo->currentText(), "gamma");
    dialog.comboReset(15);
    EXPECT_EQ(combo->count(), 0);
    EXPECT_EQ(combo->currentIndex(), -1);
}

TEST_F(RendererTest, ProgressShowsRangeAndPosition) {
    RecordingDialog dialog(desktop, everyKindTemplate());
    dialog.create(ui::kNoWindow);
    auto* bar = widget<QProgressBar>(dialog, 17);
    dialog.progressSetRange(17, 0, 90);
    dialog.progressSetPos(17, 30);
    EXPECT_EQ(bar->maximum(), 90);
    EXPECT_EQ(bar->value(), 30);
    EXPECT_FALSE(bar->isTextVisible());
}

TEST_F(RendererTest, IconControlShowsItsPicture) {
    RecordingDialog dialog(desktop, everyKindTemplate());
    dialog.create(ui::kNoWindow);
    QPixmap pixmap = widget<QLabel>(dialog, 18)->pixmap();
    ASSERT_FALSE(pixmap.isNull());
    EXPECT_EQ(pixmap.size(), QSize(kIconSize, kIconSize));
}

TEST_F(RendererTest, EllipsisStaticDropsWordsThatDoNotFit) {
    RecordingDialog dialog(desktop, everyKindTemplate());
    dialog.create(ui::kNoWindow);
    auto* label = widget<QLabel>(dialog, 20);
    dialog.setItemText(20, "Short");
    EXPECT_EQ(label->text(), "Short");
    dialog.setItemText(20, "A rather long adapter description that cannot fit");
    EXPECT_TRUE(label->text().endsWith("...")) << label->text().toStdString();
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
    EXPECT_EQ(label->toolTip(), "A rather long adapter description that cannot fit");
}

// The runs of a text box once the event loop has turned, fragments of one format merged; a
// line break belongs to the text that follows it, as the model appends "\r\nnext line" in one
// format.
std::vector<ui::TextRun> shownRuns(QTextEdit& edit) {
    QCoreApplication::processEvents();
    std::vector<ui::TextRun> runs;
    auto add = [&runs](std::string text, const QTextCharFormat& format) {
        ui::TextRun run{std::move(text),
                        static_cast<std::uint32_t>(format.foreground().color().rgb() & 0xFFFFFF),
                        format.fontWeight() == QFont::Bold, format.fontUnderline()};
        if (!runs.empty() && runs.back().color == run.color && runs.back().bold == run.bold &&
            runs.back().underline == run.underline)
            runs.back().text += run.text;
        else
            runs.push_back(std::move(run));
    };
    for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next()) {
        std::string lineBreak = block == edit.document()->begin() ? "" : "\n";
        auto it = block.begin();
        if (it.atEnd()) {
            if (!lineBreak.empty()) add(lineBreak, block.charFormat());
            continue;
        }
        for (; !it.atEnd(); ++it) {
            add(lineBreak + it.fragment().text().toStdString(), it.fragment().charFormat());
            lineBreak.clear();
        }
    }
    return runs;
}

TEST_F(RendererTest, RichTextShowsRunsWithColourBoldAndUnderline) {
    RecordingDialog dialog(desktop, everyKindTemplate());
    dialog.create(ui::kNoWindow);
    auto* edit = widget<QTextEdit>(dialog, 19);
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->isReadOnly());
    dialog.richAppend(19, "Test 1: ", {0x000000, true, false});
    dialog.richAppend(19, "PASSED", {0x008000, false, true});
    dialog.richAppend(19, "\r\nTest 2: ", {0x000000, true, false});
    dialog.richAppend(19, "FAILED", {0xC00000, true, false});
    std::vector<ui::TextRun> expected = {{"Test 1: ", 0x000000, true, false},
                                         {"PASSED", 0x008000, false, true},
                                         {"\nTest 2: ", 0x000000, true, false},
                                         {"FAILED", 0xC00000, true, false}};
    EXPECT_EQ(shownRuns(*edit), expected);
    EXPECT_EQ(edit->toPlainText(), "Test 1: PASSED\nTest 2: FAILED");
}

TEST_F(RendererTest, RichTextAppendToTheLastRunAndSetTextDropsFormats) {
    RecordingDialog dialog(desktop, everyKindTemplate());
    dialog.create(ui::kNoWindow);
    auto* edit = widget<QTextEdit>(dialog, 19);
    dialog.richAppend(19, "one", {0x0000FF, false, false});
    dialog.richAppend(19, " two", {0x0000FF, false, false});  // the model merges the runs
    EXPECT_EQ(shownRuns(*edit), (std::vector<ui::TextRun>{{"one two", 0x0000FF, false, false}}));
    dialog.richSetText(19, "plain");
    EXPECT_EQ(shownRuns(*edit), (std::vector<ui::TextRun>{{"plain", 0x000000, false, false}}));
}

TEST_F(RendererTest, RichTextScrollsToTheEndWhenTheModelDoes) {
    RecordingDialog dialog(desktop, everyKindTemplate());
    dialog.create(ui::kNoWindow);
    auto* edit = widget<QTextEdit>(dialog, 19);
    for (int i = 0; i < 60; ++i) dialog.richAppend(19, "line " + std::to_string(i) + "\n", {});
    QCoreApplication::processEvents();
    QScrollBar* bar = edit->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), 0);
    dialog.richScrollToEnd(19);
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(RendererTest, WindowTitleIconAndMinimisedFollowTheModel) {
    RecordingDialog dialog(desktop, everyKindTemplate());
    dialog.create(ui::kNoWindow);
    WindowView* view = renderer.view(dialog.handle());
    EXPECT_TRUE(view->isWindow());
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(view->windowTitle(), "Every Kind");
    dialog.setTitle("Renamed");
    EXPECT_EQ(view->windowTitle(), "Renamed");
    EXPECT_TRUE(view->windowIcon().isNull());
    dialog.setIcon(128);
    EXPECT_FALSE(view->windowIcon().isNull());
    desktop.showWindow(dialog.handle(), ui::ShowCommand::Minimize);
    EXPECT_TRUE(view->isMinimized());
    desktop.showWindow(dialog.handle(), ui::ShowCommand::Restore);
    EXPECT_FALSE(view->isMinimized());
    desktop.showWindow(dialog.handle(), ui::ShowCommand::Hide);
    EXPECT_FALSE(view->isVisible());
}

TEST_F(RendererTest, InputFocusFollowsTheModel) {
    RecordingDialog dialog(desktop, everyKindTemplate());
    dialog.create(ui::kNoWindow);
    WindowView* view = renderer.view(dialog.handle());
    dialog.setFocus(11);
    EXPECT_EQ(view->focusWidget(), view->controlWidget(11));
}

TEST_F(RendererTest, TheForegroundWindowIsActivated) {
    RecordingDialog first(desktop, everyKindTemplate());
    first.create(ui::kNoWindow);
    RecordingDialog second(desktop, everyKindTemplate());
    second.create(ui::kNoWindow);
    desktop.setForeground(first.handle());
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), renderer.view(first.handle()));
    desktop.setForeground(second.handle());
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), renderer.view(second.handle()));
}

TEST_F(RendererTest, ViewGoesWithItsWindow) {
    ui::WindowHandle handle;
    {
        RecordingDialog dialog(desktop, everyKindTemplate());
        dialog.create(ui::kNoWindow);
        handle = dialog.handle();
        ASSERT_NE(renderer.view(handle), nullptr);
    }
    EXPECT_EQ(renderer.view(handle), nullptr);
    EXPECT_TRUE(renderer.topLevelViews().empty());
}

TEST_F(RendererTest, ExistingWindowsAreDrawnByANewRenderer) {
    RecordingDialog dialog(desktop, everyKindTemplate());
    dialog.create(ui::kNoWindow);
    Renderer late(desktop, QApplication::font());
    ASSERT_NE(late.view(dialog.handle()), nullptr);
    EXPECT_EQ(late.view(dialog.handle())->windowTitle(), "Every Kind");
}

}  // namespace
}  // namespace zlx::qt::testing
