#include "qt/qt_input.h"

#include <QCoreApplication>

namespace zlx::qt {

bool SettledQtInput::runNext() {
    // The driver calls this only at rest: nothing queued, nothing due, no thread busy.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return script_.runNext();
}

}  // namespace zlx::qt
