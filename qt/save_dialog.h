#pragma once
// The save-file dialog as the model asks for it.

#include <QFileDialog>
#include <QStringList>

#include "ui/services.h"

namespace zlx::qt {

// Qt's form of the (description, pattern) pairs: "Text files (*.txt)"; a pattern list
// "*.txt;*.log" becomes "*.txt *.log".
QStringList nameFilters(const ui::SaveFileRequest& request);

// Title, start name, filters, default extension and the overwrite prompt of `request`.
void configureSaveDialog(QFileDialog& dialog, const ui::SaveFileRequest& request);

}  // namespace zlx::qt
