#include "qt/qt_services.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QThread>

#include "qt/save_dialog.h"
#include "qt/text_fit.h"

namespace zlx::qt {

namespace {

QMessageBox::StandardButton runBox(QMessageBox& box) {
    box.exec();
    return box.standardButton(box.clickedButton());
}

std::optional<QString> runSaveDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front();
}

int answerOf(QMessageBox::StandardButton pressed, ui::MessageBoxButtons buttons) {
    switch (pressed) {
        case QMessageBox::Yes:
            return ui::kIdYes;
        case QMessageBox::No:
            return ui::kIdNo;
        case QMessageBox::Ok:
            return ui::kIdOk;
        default:
            // Closed without a button: what Escape means for the box.
            return buttons == ui::MessageBoxButtons::YesNo ? ui::kIdNo : ui::kIdOk;
    }
}

}  // namespace

QtServices::QtServices() : presentBox_(&runBox), presentSave_(&runSaveDialog) {}

void QtServices::setClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(fromModel(text));
}

QWidget* QtServices::ownerWidget(ui::WindowHandle owner) const {
    if (owner == ui::kNoWindow || !ownerLookup_) return nullptr;
    return ownerLookup_(owner);
}

int QtServices::messageBox(const ui::MessageBoxRequest& request) {
    if (QThread::currentThread() == thread()) return showBox(request);
    int answer = 0;
    QMetaObject::invokeMethod(
        this, [this, &request, &answer] { answer = showBox(request); },
        Qt::BlockingQueuedConnection);
    return answer;
}

int QtServices::showBox(const ui::MessageBoxRequest& request) {
    bool yesNo = request.buttons == ui::MessageBoxButtons::YesNo;
    QMessageBox box(ownerWidget(request.owner));
    box.setWindowTitle(fromModel(request.caption));
    box.setText(fromModel(request.text));
    box.setTextFormat(Qt::PlainText);
    box.setStandardButtons(yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
    box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    return answerOf(presentBox_(box), request.buttons);
}

std::optional<std::string> QtServices::saveFileDialog(const ui::SaveFileRequest& request) {
    QFileDialog dialog(ownerWidget(request.owner));
    configureSaveDialog(dialog, request);
    std::optional<QString> path = presentSave_(dialog);
    if (!path) return std::nullopt;
    return toModel(*path);
}

}  // namespace zlx::qt
