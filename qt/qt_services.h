#pragma once
// The desktop services with Qt's own dialogs. A message box may be asked for from any thread:
// the user-interface thread shows it, and the asking thread waits for the answer.

#include <QFileDialog>
#include <QMessageBox>
#include <QObject>
#include <atomic>
#include <functional>
#include <optional>

#include "ui/services.h"

namespace zlx::qt {

class QtServices final : public QObject, public ui::DesktopServices {
  public:
    // The widget of a model window, for the owner of a box or dialog; null when none.
    using OwnerLookup = std::function<QWidget*(ui::WindowHandle)>;
    // Shows a prepared box and returns the button the user pressed.
    using BoxPresenter = std::function<QMessageBox::StandardButton(QMessageBox&)>;
    // Shows a prepared save dialog and returns the chosen path, or nothing for Cancel.
    using SavePresenter = std::function<std::optional<QString>(QFileDialog&)>;

    // Made on the user-interface thread, which is where the boxes are shown.
    QtServices();

    void setOwnerLookup(OwnerLookup lookup) { ownerLookup_ = std::move(lookup); }
    // Tests answer in place of a person; the defaults run the dialogs' own loops.
    void setBoxPresenter(BoxPresenter presenter) { presentBox_ = std::move(presenter); }
    void setSavePresenter(SavePresenter presenter) { presentSave_ = std::move(presenter); }

    int messageBox(const ui::MessageBoxRequest& request) override;
    std::optional<std::string> saveFileDialog(const ui::SaveFileRequest& request) override;
    void setCursor(ui::Cursor cursor) override { cursor_ = cursor; }
    void setClipboardText(const std::string& text) override;
    ui::Cursor cursor() const { return cursor_; }

  private:
    int showBox(const ui::MessageBoxRequest& request);
    QWidget* ownerWidget(ui::WindowHandle owner) const;

    OwnerLookup ownerLookup_;
    BoxPresenter presentBox_;
    SavePresenter presentSave_;
    std::atomic<ui::Cursor> cursor_{ui::Cursor::Arrow};
};

}  // namespace zlx::qt
