// Linked into a program that draws a window, ends it on the event loop's turn after its first
// paint: what the program cost up to its first picture is then its whole CPU time.
// With ZLX_FIRST_PAINT_SIZE naming a file, the painted window's size is written there first, so
// that a reference can be shown at the same size (the benchmark does this in a run it does not
// time).

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace {

void writeSize(const QWidget& window) {
    const char* path = std::getenv("ZLX_FIRST_PAINT_SIZE");
    if (!path || !*path) return;
    if (std::FILE* file = std::fopen(path, "w")) {
        std::fprintf(file, "%d %d\n", window.width(), window.height());
        std::fclose(file);
    }
}

class ExitAfterFirstPaint final : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_ && watched->isWidgetType()) {
            painted_ = true;
            const QWidget* window = static_cast<QWidget*>(watched)->window();
            // Queued: the paint of the whole window finishes first.
            QTimer::singleShot(0, [window] {
                writeSize(*window);
                std::_Exit(0);
            });
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
