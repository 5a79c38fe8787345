// Message boxes and the save dialog with Qt: from any thread, answered by a person (here: by
// the test, pressing the box's button).

#include <QAbstractButton>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <filesystem>
#include <future>
#include <thread>

#include "model_fixture.h"
#include "qt/qt_loop_driver.h"
#include "qt/qt_services.h"
#include "qt/save_dialog.h"
#include "support/environment.h"
#include "support/temp_dir.h"

namespace zlx::qt::testing {
namespace {

struct SeenBox {
    QString caption, text;
    QMessageBox::StandardButtons buttons;
    QWidget* parent = nullptr;
    bool onUiThread = false;
};

// Answers like a person would, and keeps what the box showed.
QtServices::BoxPresenter answering(QMessageBox::StandardButton answer, SeenBox& seen) {
    return [answer, &seen](QMessageBox& box) {
        seen = {box.windowTitle(), box.text(), box.standardButtons(), box.parentWidget(),
                QThread::currentThread() == qApp->thread()};
        return answer;
    };
}

struct BoxCase {
    ui::MessageBoxButtons buttons;
    QMessageBox::StandardButton pressed;
    int expected;
    friend void PrintTo(const BoxCase& c, std::ostream* out) {
        *out << (c.buttons == ui::MessageBoxButtons::YesNo ? "yes/no" : "ok") << " pressed 0x"
             << std::hex << c.pressed << std::dec << " -> " << c.expected;
    }
};

class MessageBoxAnswerTest : public ::testing::TestWithParam<BoxCase> {};

TEST_P(MessageBoxAnswerTest, ButtonPressedBecomesTheModelsAnswer) {
    QtServices services;
    SeenBox seen;
    services.setBoxPresenter(answering(GetParam().pressed, seen));
    int answer = services.messageBox({ui::kNoWindow, "", "Text", "Caption", GetParam().buttons});
    EXPECT_EQ(answer, GetParam().expected);
    EXPECT_EQ(seen.buttons, GetParam().buttons == ui::MessageBoxButtons::YesNo
                                ? QMessageBox::Yes | QMessageBox::No
                                : QMessageBox::StandardButtons(QMessageBox::Ok));
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, MessageBoxAnswerTest,
    ::testing::Values(BoxCase{ui::MessageBoxButtons::Ok, QMessageBox::Ok, ui::kIdOk},
                      BoxCase{ui::MessageBoxButtons::YesNo, QMessageBox::Yes, ui::kIdYes},
                      BoxCase{ui::MessageBoxButtons::YesNo, QMessageBox::No, ui::kIdNo},
                      // Closed without a button.
                      BoxCase{ui::MessageBoxButtons::YesNo, QMessageBox::NoButton, ui::kIdNo},
                      BoxCase{ui::MessageBoxButtons::Ok, QMessageBox::NoButton, ui::kIdOk}));

using ServicesTest = ModelFixture;

TEST_F(ServicesTest, ABoxAskedFromAWorkerIsShownOnTheUiThreadOverItsOwner) {
    QtServices qtServices;
    qtServices.setOwnerLookup([this](ui::WindowHandle w) { return renderer.windowWidget(w); });
    SeenBox seen;
    qtServices.setBoxPresenter(answering(QMessageBox::Yes, seen));
    RecordingDialog owner(desktop, everyKindTemplate());
    owner.create(ui::kNoWindow);
    QtLoopDriver qtDriver(desktop);

    std::promise<int> answered;
    std::future<int> answer = answered.get_future();
    std::thread worker([&] {
        answered.set_value(qtServices.messageBox({owner.handle(), "Every Kind", "Stop the test?",
                                                  "Question", ui::MessageBoxButtons::YesNo}));
        // As the system's workers do: the answer goes back to a window.
        desktop.post(owner.handle(), ui::kWmNull);
    });
    while (answer.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        qtDriver.waitForWork();
    worker.join();
    EXPECT_EQ(answer.get(), ui::kIdYes);
    EXPECT_TRUE(seen.onUiThread);
    EXPECT_EQ(seen.caption, "Question");
    EXPECT_EQ(seen.text, "Stop the test?");
    EXPECT_EQ(seen.parent, renderer.view(owner.handle()));
}

TEST(QtServicesTest, TheRealBoxRunsItsLoopUntilAButtonIsPressed) {
    QtServices services;
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(
        services.messageBox({ui::kNoWindow, "", "Sure?", "Box", ui::MessageBoxButtons::YesNo}),
        ui::kIdNo);
}

struct FilterCase {
    const char* description;
    const char* pattern;
    const char* expected;
    friend void PrintTo(const FilterCase& c, std::ostream* out) {
        *out << "\"" << c.description << "\" \"" << c.pattern << "\"";
    }
};

class NameFilterTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(NameFilterTest, PairBecomesQtsFilter) {
    ui::SaveFileRequest request;
    request.filters = {{GetParam().description, GetParam().pattern}};
    EXPECT_EQ(nameFilters(request), QStringList{GetParam().expected});
}

INSTANTIATE_TEST_SUITE_P(
    Filters, NameFilterTest,
    ::testing::Values(FilterCase{"Text files (*.txt)", "*.txt", "Text files (*.txt)"},
                      FilterCase{"Text files", "*.txt", "Text files (*.txt)"},
                      FilterCase{"Logs", "*.log;*.txt", "Logs (*.log *.txt)"},
                      FilterCase{"All files (*.*)", "*.*", "All files (*.*)"}));

TEST(SaveDialogTest, DialogIsSetUpFromTheRequest) {
    ui::SaveFileRequest request;
    request.title = "Save Results";
    request.initialName = "results.txt";
    request.defaultExtension = "txt";
    request.filters = {{"Text files (*.txt)", "*.txt"}, {"All files (*.*)", "*.*"}};
    for (bool prompt : {false, true}) {
        request.overwritePrompt = prompt;
        QFileDialog dialog;
        configureSaveDialog(dialog, request);
        EXPECT_EQ(dialog.windowTitle(), "Save Results");
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog.nameFilters(), (QStringList{"Text files (*.txt)", "All files (*.*)"}));
        EXPECT_EQ(dialog.defaultSuffix(), "txt");
        EXPECT_EQ(dialog.testOption(QFileDialog::DontConfirmOverwrite), !prompt);
        ASSERT_FALSE(dialog.selectedFiles().isEmpty());
        EXPECT_TRUE(dialog.selectedFiles().front().endsWith("results.txt"));
    }
}

// The dialog opens in the user's documents folder, or the home folder without one; never in
// the working directory.
TEST(SaveDialogTest, DialogOpensInTheDocumentsFolder) {
    zlx::testing::TempDir home;
    zlx::testing::setEnvironment("HOME", home.path());
    zlx::testing::setEnvironment("XDG_CONFIG_HOME", home.file("config"));
    ui::SaveFileRequest request;
    request.initialName = "signal-history.csv";
    for (bool documents : {false, true}) {
        if (documents) std::filesystem::create_directory(home.file("Documents"));
        QFileDialog dialog;
        configureSaveDialog(dialog, request);
        EXPECT_EQ(dialog.directory().absolutePath().toStdString(),
                  documents ? home.file("Documents") : home.path());
    }
}

TEST(SaveDialogTest, ChosenPathOrCancelGoesBackToTheModel) {
    QtServices services;
    ui::SaveFileRequest request;
    request.title = "Save";
    services.setSavePresenter([](QFileDialog&) { return QStringLiteral("/tmp/ergebnis ä.txt"); });
    EXPECT_EQ(services.saveFileDialog(request), std::optional<std::string>("/tmp/ergebnis ä.txt"));
    services.setSavePresenter([](QFileDialog&) { return std::nullopt; });
    EXPECT_EQ(services.saveFileDialog(request), std::nullopt);
}

TEST(QtServicesTest, CursorIsKept) {
    QtServices services;
    EXPECT_EQ(services.cursor(), ui::Cursor::Arrow);
    services.setCursor(ui::Cursor::Wait);
    EXPECT_EQ(services.cursor(), ui::Cursor::Wait);
}

}  // namespace
}  // namespace zlx::qt::testing
