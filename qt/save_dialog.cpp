#include "qt/save_dialog.h"

#include <QDir>
#include <QStandardPaths>

#include "qt/text_fit.h"

namespace zlx::qt {

QStringList nameFilters(const ui::SaveFileRequest& request) {
    QStringList filters;
    for (const auto& [description, pattern] : request.filters) {
        QString patterns = fromModel(pattern);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        QString text = fromModel(description);
        // Qt reads the patterns from the parentheses; a description may already show them.
        if (!text.contains(QLatin1Char('(') + patterns + QLatin1Char(')')))
            text += QStringLiteral(" (") + patterns + QLatin1Char(')');
        filters << text;
    }
    return filters;
}

void configureSaveDialog(QFileDialog& dialog, const ui::SaveFileRequest& request) {
    dialog.setWindowTitle(fromModel(request.title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters = nameFilters(request);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    QString extension = fromModel(request.defaultExtension);
    if (extension.startsWith(QLatin1Char('.'))) extension.remove(0, 1);
    dialog.setDefaultSuffix(extension);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    // The user's documents folder (Windows' known folder Documents, XDG's on Linux), or the
    // home folder when there is none, never the working directory.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    dialog.setDirectory(!documents.isEmpty() && QDir(documents).exists() ? documents
                                                                         : QDir::homePath());
    if (!request.initialName.empty()) dialog.selectFile(fromModel(request.initialName));
}

}  // namespace zlx::qt
