#include "testwindow/results_window.h"

#include <gtest/gtest.h>

#include <cmath>

#include <filesystem>
#include <fstream>

#include "context/user_messages.h"
#include "resources/resource_ids.h"
#include "support/program_fixture.h"
#include "support/temp_dir.h"
#include "testwindow/line_format.h"

namespace zlx::testwindow {
namespace {

using zlx::testing::ProgramFixture;

struct Window {
    explicit Window(bool clientManaged, std::vector<std::string> pending = {}) {
        for (std::string& line : pending) f.context().runState.addPendingLine(std::move(line));
        f.context().selectedProfileName = "ZLX Office";
        dialog = std::make_unique<TestWindow>(f.context(), f.program().application().driver(),
                                              clientManaged);
        dialog->create(ui::kNoWindow);
    }
    void add(std::uint32_t kind, const std::string& text) {
        f.desktop().post(dialog->handle(), context::kWmAddTestLine, kind, 0, text);
        f.desktop().dispatchAll();
    }
    std::string text() const { return dialog->richText(resources::kIdcMessages); }
    const std::vector<ui::TextRun>& runs() const {
        return dialog->control(resources::kIdcMessages)->runs;
    }

    ProgramFixture f = ProgramFixture::defaultMachine();
    std::unique_ptr<TestWindow> dialog;
};

TEST(TestWindowTest, OpensRunningWithItsLabelsAndEveryPendingLineInOrder) {
    Window w(false, {"Received DHCP test request.", "Performing test."});
    EXPECT_EQ(w.dialog->itemText(resources::kIdcTestStatus), "Running");
    EXPECT_EQ(w.dialog->itemText(resources::kIdcTestProfile), "ZLX Office");
    EXPECT_FALSE(w.dialog->itemEnabled(resources::kIdcClose));
    EXPECT_TRUE(w.dialog->itemEnabled(resources::kIdcStopTest));
    EXPECT_EQ(w.dialog->focusId(), resources::kIdcStopTest);
    EXPECT_EQ(w.text(), "10:00:00 Received DHCP test request.\r\n10:00:00 Performing test.");
    EXPECT_EQ(w.f.context().testWindowHandle, w.dialog->handle());
    // The window took them: the next run's window starts without them.
    EXPECT_TRUE(w.f.context().runState.pendingLines().empty());
}

TEST(TestWindowTest, ChannelLinesAreTimedAndSeparatedWithoutATrailingBreak) {
    Window w(false);
    w.f.clock().advanceTo(65000, nullptr);
    w.add(kLineChannel, "one");
    w.add(kLineChannel, "two");
    EXPECT_EQ(w.text(), "10:00:00 \r\n10:01:05 one\r\n10:01:05 two");
}

TEST(TestWindowTest, ClientManagedLinesHaveNoPrefix) {
    Window w(true);
    w.add(kLineChannel, "first");
    // A coloured line goes at the very end: a channel line never ends with a break.
    w.add(kLineName, "Driver Test");
    EXPECT_EQ(w.text(), "firstDriver Test\r\n");
}

TEST(TestWindowTest, ColouredLinesByKind) {
    struct Case {
        std::uint32_t kind;
        ui::TextRun run;
    };
    const Case cases[] = {
        {kLineName, {"x\n", 0x0000FF, true, true}},
        {kLineDescription, {"x\n", 0x000000, false, false}},
        {kLineDetails, {"x\n", 0x000000, false, false}},
        {kLinePassed, {"x\n", 0x3C9632, true, false}},
        {kLineFailed, {"x\n", 0xFF0000, true, false}},
        {kLineAdvice, {"x\n", 0x008A00, false, false}},
        {kLineEndOfBlock, {"\n\n", 0x000000, false, false}},  // whatever the text
        {99, {"x\n", 0x000000, false, false}},
    };
    for (const Case& c : cases) {
        Window w(true);
        w.add(c.kind, "x");
        ASSERT_EQ(w.runs().size(), 1u) << c.kind;
        EXPECT_EQ(w.runs()[0], c.run) << c.kind;
    }
}

// WCAG 2's contrast of a colour on white.
double contrastOnWhite(std::uint32_t rgb) {
    auto linear = [](std::uint32_t c) {
        const double v = c / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const double luminance = 0.2126 * linear((rgb >> 16) & 0xFF) +
                             0.7152 * linear((rgb >> 8) & 0xFF) + 0.0722 * linear(rgb & 0xFF);
    return 1.05 / (luminance + 0.05);
}

// The advice is green enough to read as advice and dark enough to read: the lightest pure green
// with a contrast of 4.5:1 on the log's white.
TEST(TestWindowTest, AdviceIsTheLightestPureGreenThatMeetsContrast) {
    EXPECT_GE(contrastOnWhite(kAdviceColor), 4.5);
    EXPECT_LT(contrastOnWhite(kAdviceColor + 0x000100), 4.5);
    EXPECT_EQ(kAdviceColor & 0xFF00FF, 0u);
}

TEST(TestWindowTest, NetworkColouredLinesCarryThePrefixToo) {
    Window w(false);
    w.add(kLinePassed, "ok");
    EXPECT_EQ(w.text(), "10:00:00 10:00:00 ok\r\n");
}

TEST(TestWindowTest, ChannelLineAfterColouredLinesDropsTheColours) {
    Window w(true);
    w.add(kLineName, "Name");
    w.add(kLineFailed, "Failed");
    w.add(kLineChannel, "plain");
    ASSERT_EQ(w.runs().size(), 1u);
    EXPECT_EQ(w.runs()[0], (ui::TextRun{"Name\nFailed\n\nplain", 0, false, false}));
}

TEST(TestWindowTest, CompletionBeforeAnyLineAndTwice) {
    Window w(true);
    for (int i = 0; i < 2; ++i) {
        w.f.desktop().post(w.dialog->handle(), context::kWmShowTestsComplete);
        w.f.desktop().dispatchAll();
        EXPECT_EQ(w.dialog->itemText(resources::kIdcTestStatus), "All Tests Complete");
        EXPECT_TRUE(w.dialog->itemEnabled(resources::kIdcClose));
        EXPECT_FALSE(w.dialog->itemEnabled(resources::kIdcStopTest));
        EXPECT_EQ(w.dialog->focusId(), resources::kIdcClose);
    }
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void clickSave(Window& w) {
    w.f.desktop().send(w.dialog->handle(), ui::kWmCommand,
                       ui::makeCommandParam(resources::kIdcSaveToFile, ui::kBnClicked));
}

// The run's header: when the window opened (the run's start, not the saving), in the
// machine's own time zone, then the machine and the program.
constexpr const char* kLogHeader =
    "Started: 2026-01-15T10:00:00+01:00\r\n"
    "Computer: zlx-laptop.corp.example\r\n"
    "Program version: 1.0\r\n"
    "Windows: Windows Vista or later (or not recognised)\r\n"
    // The window's fixture selects no adapter; a run's saved log names its own.
    "Adapter: (none)\r\n"
    "Interface: (none)\r\n"
    "\r\n";

TEST(TestWindowTest, SaveWritesTheHeaderThenOneCrLfPerBreakAndReplacesOnceAsked) {
    zlx::testing::TempDir dir;
    std::string path = dir.file("log.txt");
    std::ofstream(path) << "an older, longer log that must go entirely";
    Window w(true);
    w.add(kLineName, "Name");
    w.add(kLineEndOfBlock, "");
    w.f.clock().advanceTo(65000, nullptr);
    w.f.services().queueSaveAnswer(path);
    w.f.services().queueAnswer(ui::kIdYes);
    clickSave(w);
    EXPECT_EQ(readFile(path), std::string(kLogHeader) + "Name\r\n\r\n\r\n");
    auto dialogs = w.f.services().saveDialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].request.initialName, "ZLXDiagnosticLog.txt");
    EXPECT_EQ(dialogs[0].request.title, "Save Diagnostic Log");
    using Filters = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(dialogs[0].request.filters,
              (Filters{{"Text files (*.txt)", "*.txt"}, {"All files (*.*)", "*.*"}}));
    EXPECT_TRUE(dialogs[0].request.overwritePrompt);
    EXPECT_EQ(w.f.services().messageBoxes().size(), 1u);
}

TEST(TestWindowTest, SavingAnEmptyWindowWritesTheHeaderAlone) {
    zlx::testing::TempDir dir;
    std::string path = dir.file("log.txt");
    std::ofstream(path) << "an older, longer log that must go entirely";
    Window w(true);
    w.f.services().queueSaveAnswer(path);
    w.f.services().queueAnswer(ui::kIdYes);
    clickSave(w);
    EXPECT_EQ(readFile(path), kLogHeader);
}

TEST(TestWindowTest, CancelledSaveChangesNothing) {
    Window w(true);
    w.f.services().queueSaveAnswer(std::nullopt);
    clickSave(w);
    EXPECT_TRUE(w.f.services().messageBoxes().empty());
}

TEST(TestWindowTest, FailedSaveKeepsTheOldFileAndSaysWhy) {
    zlx::testing::TempDir dir;
    std::string path = dir.file("missing-folder/log.txt");
    Window w(true);
    w.add(kLineName, "Name");
    w.f.services().queueSaveAnswer(path);
    clickSave(w);
    auto boxes = w.f.services().messageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].request.text.find(path), std::string::npos);
#ifndef _WIN32
    // Windows words its reasons in the user's language.
    EXPECT_NE(boxes[0].request.text.find("No such file or directory"), std::string::npos);
#endif
    EXPECT_FALSE(std::filesystem::exists(path));
    // No temporary file is left behind either.
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

}  // namespace
}  // namespace zlx::testwindow
