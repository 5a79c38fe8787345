// The Help button: the help file by the system's language, and its failure.

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/text.h"
#include "status/status_sheet.h"
#include "support/program_fixture.h"
#include "ui/dialog.h"

namespace zlx::app {
namespace {

using sim::Scenario;
using zlx::testing::ProgramFixture;

Scenario defaultScenario() {
    return sim::loadDefaultScenario();
}

void removeFile(Scenario& s, const std::string& path) {
    std::erase_if(s.files, [&](const sim::FileEntry& f) {
        return platform::toLowerAscii(f.path) == platform::toLowerAscii(path);
    });
}

const char* kHelpFile = "C:\\Program Files\\Norvane\\help\\en-US\\PelornHelp.chm";

struct HelpRun {
    std::vector<std::string> helpCalls;
    std::vector<ui::HeadlessServices::MessageBoxRecord> boxes;
    bool helpButtonVisible = false;
};

HelpRun pressHelp(Scenario scenario) {
    ProgramFixture f(std::move(scenario));
    HelpRun run;
    f.then([&] {
        ui::Dialog* sheet = f.desktop().find(f.context().mainWindow);
        run.helpButtonVisible = sheet->control(ui::kIdHelp)->visible;
        f.machine().calls().takeNew();
        f.desktop().send(sheet->handle(), ui::kWmCommand,
                         ui::makeCommandParam(ui::kIdHelp, ui::kBnClicked));
    });
    f.run();
    for (const auto& call : f.machine().calls().takeNew())
        if (call.rfind("HtmlHelp", 0) == 0) run.helpCalls.push_back(call);
    run.boxes = f.services().messageBoxes();
    return run;
}

TEST(HelpTest, OpensTheHelpFileOfTheSystemLanguage) {
    HelpRun run = pressHelp(defaultScenario());
    EXPECT_TRUE(run.helpButtonVisible);
    ASSERT_EQ(run.helpCalls.size(), 1u);
    EXPECT_NE(run.helpCalls[0].find(kHelpFile), std::string::npos) << run.helpCalls[0];
    EXPECT_TRUE(run.boxes.empty());
}

TEST(HelpTest, MissingFileShowsTheMessageCaptionedWithTheWindowTitle) {
    struct Case {
        const char* name;
        std::function<void(Scenario&)> edit;
        const char* pathEnd;
    };
    const Case cases[] = {
        {"file missing", [](Scenario& s) { removeFile(s, kHelpFile); },
         "\\Norvane\\help\\en-US\\PelornHelp.chm"},
        {"language without a help folder", [](Scenario& s) { s.machine.languageId = 0x0466; },
         "\\Norvane\\help\\\\PelornHelp.chm"},
        {"no install path", [](Scenario& s) { s.registry.clear(); },
         "\\help\\en-US\\PelornHelp.chm"},
    };
    for (const Case& c : cases) {
        Scenario s = defaultScenario();
        c.edit(s);
        HelpRun run = pressHelp(s);
        ASSERT_EQ(run.helpCalls.size(), 1u) << c.name;
        std::string quotedEnd = std::string(c.pathEnd) + "\"";
        EXPECT_NE(run.helpCalls[0].find(quotedEnd), std::string::npos) << run.helpCalls[0];
        ASSERT_EQ(run.boxes.size(), 1u) << c.name;
        EXPECT_EQ(run.boxes[0].request.text, "Help is not available !");
        EXPECT_EQ(run.boxes[0].request.caption, "ZLX Client Diagnostics");
        EXPECT_EQ(run.boxes[0].request.buttons, ui::MessageBoxButtons::Ok);
        EXPECT_NE(run.boxes[0].request.owner, ui::kNoWindow);
    }
}

TEST(HelpTest, NoHelpFolderMeansNoHelpButtonOnTheSheetAndItsFirstPages) {
    Scenario s = defaultScenario();
    // Windows paths ignore case: the help file alone would make the folder exist.
    removeFile(s, "C:\\Program Files\\Norvane\\Help");
    removeFile(s, kHelpFile);
    ProgramFixture f(std::move(s));
    std::vector<bool> visible;
    auto record = [&] {
        visible.push_back(f.desktop().find(f.context().mainWindow)->control(ui::kIdHelp)->visible);
    };
    auto sheet = [&] {
        return dynamic_cast<status::StatusSheet*>(f.desktop().find(f.context().mainWindow));
    };
    f.then(record).then([&] { sheet()->setActivePage(1); }).then(record);
    f.run();
    EXPECT_EQ(visible, (std::vector<bool>{false, false}));
}

}  // namespace
}  // namespace zlx::app
