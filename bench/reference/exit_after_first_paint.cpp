// Linked into a program that draws a window, ends it on the event loop's turn after its first
// paint: what the program cost up to its first picture is then its whole CPU time.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <cstdlib>

namespace {

class ExitAfterFirstPaint final : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            // Queued: the paint of the whole window finishes first.
            QTimer::singleShot(0, [] { std::_Exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool painted_ = false;
};

void installFilter() {
    QCoreApplication::instance()->installEventFilter(new ExitAfterFirstPaint);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installFilter)
