#pragma once
// The model's message loop on Qt's event loop. A modal loop of the model waits in Qt's event
// processing, and a message posted from any thread wakes Qt, which then dispatches the model's
// queue, also while Qt runs a loop of its own (a message box, a file dialog, a menu).

#include <QObject>
#include <atomic>

#include "ui/desktop.h"

namespace zlx::qt {

class QtLoopDriver final : public QObject, public ui::LoopDriver {
  public:
    // Made on the user-interface thread; becomes the desktop's driver until destroyed.
    explicit QtLoopDriver(ui::Desktop& desktop);
    ~QtLoopDriver() override;
    QtLoopDriver(const QtLoopDriver&) = delete;
    QtLoopDriver& operator=(const QtLoopDriver&) = delete;

    void waitForWork() override;
    void wake() override;

  private:
    void dispatch();

    ui::Desktop& desktop_;
    // One wake-up waits in Qt's queue at a time; it dispatches everything posted before it runs.
    std::atomic<bool> wakePending_{false};
};

}  // namespace zlx::qt
