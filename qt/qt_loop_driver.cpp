#include "qt/qt_loop_driver.h"

#include <QCoreApplication>

namespace zlx::qt {

QtLoopDriver::QtLoopDriver(ui::Desktop& desktop) : desktop_(desktop) {
    desktop_.setDriver(this);
}

QtLoopDriver::~QtLoopDriver() {
    desktop_.setDriver(nullptr);
}

void QtLoopDriver::waitForWork() {
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void QtLoopDriver::wake() {
    if (wakePending_.exchange(true)) return;
    QMetaObject::invokeMethod(
        this, [this] { dispatch(); }, Qt::QueuedConnection);
}

void QtLoopDriver::dispatch() {
    // Cleared first: a message posted while the queue drains asks for another turn.
    wakePending_ = false;
    // One message at a time, so a handler that opens a nested loop (which comes back here)
    // leaves the rest of the queue to that loop.
    desktop_.dispatchAll();
}

}  // namespace zlx::qt
