#include "testwindow/results_window.h"

#include "adapterinfo/run_header.h"
#include "context/user_messages.h"
#include "resources/dialogs.h"
#include "resources/string_table.h"
#include "testwindow/line_format.h"
#include "testwindow/log_file.h"

namespace zlx::testwindow {

TestWindow::TestWindow(context::AppContext& context, wlan::DriverChannel& driver,
                       bool clientManaged)
    : ui::Dialog(context.desktop, resources::dialogTemplate(resources::kDialogTestWindow)),
      ctx_(context),
      driver_(driver),
      clientManaged_(clientManaged) {}

std::string TestWindow::prefix() const {
    return clientManaged_ ? std::string() : timePrefix(desktop().clock().localTime());
}

bool TestWindow::onInitDialog() {
    setTitle(resources::stringOr(resources::kIdsProgramTitle, "ZLX Client Diagnostics"));
    setIcon(resources::kIconProgram);
    ctx_.testWindowHandle = handle();
    openedAt_ = desktop().clock().localTime();
    setItemText(resources::kIdcTestAdapter, ctx_.selection.selectedAdapterDescription);
    setItemText(resources::kIdcTestProfile, ctx_.selectedProfileName);
    setItemText(resources::kIdcTestStatus, resources::stringOr(resources::kIdsRunning, "Running"));
    enableItem(resources::kIdcClose, false);
    enableItem(resources::kIdcStopTest, true);
    running_ = true;
    // A client-managed run has no part in the diagnostic channel: neither its lines nor its
    // completion reach this window.
    if (!clientManaged_) {
        // Every line that arrived before the window opened, in order, each as its own line.
        std::string text = richText(resources::kIdcMessages);
        std::vector<std::string> pending = ctx_.runState.attachLineWindow(handle());
        if (pending.empty()) text += prefix();
        for (std::size_t i = 0; i < pending.size(); ++i) {
            if (i > 0) text += "\r\n";
            text += prefix() + pending[i];
        }
        richSetText(resources::kIdcMessages, text);
    }
    desktop().setForeground(handle());
    setFocus(resources::kIdcStopTest);
    // Used once: a later window must not open complete.
    if (!clientManaged_ && ctx_.runState.takeCompletedBeforeOpen())
        desktop().post(handle(), context::kWmShowTestsComplete);
    return true;
}

std::int64_t TestWindow::onMessage(const ui::Message& m) {
    if (m.id == context::kWmAddTestLine) {
        addLine(static_cast<std::uint32_t>(m.wParam), m.text);
        return 0;
    }
    if (m.id == context::kWmShowTestsComplete) {
        complete();
        return 0;
    }
    return ui::Dialog::onMessage(m);
}

void TestWindow::addLine(std::uint32_t kind, const std::string& text) {
    if (kind == kLineChannel) {
        // As if the whole text were written again, which drops the colours shown so far; the
        // cost is the line's, not the log's.
        std::string line = richEmpty(resources::kIdcMessages) ? std::string() : std::string("\r\n");
        richAppendPlain(resources::kIdcMessages, line + prefix() + text);
    } else {
        std::string line = kind == kLineEndOfBlock ? "\r\n\r\n" : prefix() + text + "\r\n";
        richAppend(resources::kIdcMessages, line, lineFormat(kind));
    }
    richScrollToEnd(resources::kIdcMessages);
}

void TestWindow::complete() {
    running_ = false;
    enableItem(resources::kIdcClose, true);
    setFocus(resources::kIdcClose);
    enableItem(resources::kIdcStopTest, false);
    setItemText(resources::kIdcTestStatus,
                resources::stringOr(resources::kIdsAllTestsComplete, "All Tests Complete"));
}

void TestWindow::onCommand(int id, std::uint32_t code) {
    if (code == ui::kBnClicked) {
        switch (id) {
            case resources::kIdcStopTest:
                return stopTest();
            case resources::kIdcClose:
                desktop().post(ctx_.troubleshootingPage, context::kWmReturnToIdle);
                endDialog(ui::kIdOk);
                return;
            case resources::kIdcSaveToFile:
                return saveToFile();
            default:
                break;
        }
    }
    ui::Dialog::onCommand(id, code);
}

bool TestWindow::confirmStop() {
    ui::MessageBoxRequest box;
    box.text = resources::stringOr(resources::kIdsConfirmStopTests,
                                   "Are you sure you want to stop the tests?");
    box.caption = resources::stringOr(resources::kIdsDiagnosticTests, "ZLX Diagnostic Tests");
    box.buttons = ui::MessageBoxButtons::YesNo;
    return desktop().services().messageBox(box) == ui::kIdYes;
}

void TestWindow::onClose() {
    if (running_ && !clientManaged_ && !confirmStop()) return;
    ui::Dialog::onClose();
}

void TestWindow::stopTest() {
    if (!confirmStop()) return;
    driver_.leaveDiagnosticMode();
    desktop().post(ctx_.troubleshootingPage, context::kWmReturnToIdle);
    endDialog(ui::kIdOk);
}

void TestWindow::saveToFile() {
    ui::SaveFileRequest request;
    // A dialog for saving: any new name, a question before an existing file is replaced, and
    // filters for a text log only.
    request.title = resources::stringOr(resources::kIdsSaveLogDialogTitle, "Save Diagnostic Log");
    request.initialName = kDefaultLogName;
    request.filters = {
        {resources::stringOr(resources::kIdsTextFilesFilter, "Text files (*.txt)"), "*.txt"},
        {resources::stringOr(resources::kIdsAllFilesFilter, "All files (*.*)"), "*.*"}};
    request.overwritePrompt = true;
    auto path = desktop().services().saveFileDialog(request);
    if (!path) return;
    std::string reason;
    adapterinfo::RunHeader header = adapterinfo::makeRunHeader(ctx_, openedAt_);
    header.namesAdapter = true;
    header.adapter = ctx_.selection.selectedAdapterDescription;
    header.interfaceGuid = ctx_.selection.selectedInterfaceText;
    std::string text = logText(header, richText(resources::kIdcMessages));
    if (saveLog(ctx_.platform, *path, text, reason)) return;
    ui::MessageBoxRequest box;
    box.owner = handle();
    box.ownerTitle = title();
    box.caption = resources::stringOr(resources::kIdsDiagnosticTests, "ZLX Diagnostic Tests");
    box.text = logNotSavedMessage(*path, reason);
    desktop().services().messageBox(box);
}

}  // namespace zlx::testwindow
