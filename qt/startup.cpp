#include "qt/startup.h"

#include <QtGlobal>
#include <cstdio>

namespace zlx::qt {

namespace {

// Qt warns once, while the platform starts, when the session has no runtime folder (as under
// a service manager or a build robot) and then uses a private one of its own. That is no problem of
// the program's, so that one notice is kept out of the program's error output; everything else
// is printed as Qt's own handler prints it.
// A display that cannot be opened is reported by the program itself, in one line, when it
// falls back to text; Qt's own notices of the platforms it tried first are kept out too.
void startupMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    if (type != QtFatalMsg && context.category &&
        QByteArray(context.category).startsWith("qt.qpa.") &&
        (text.contains(QStringLiteral("connect to display")) ||
         text.contains(QStringLiteral("Could not load the Qt platform plugin"))))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

}  // namespace

std::string platformsWithFallback(const Environment& environment) {
    return environment("WAYLAND_DISPLAY").empty() ? "xcb;offscreen" : "wayland;xcb;offscreen";
}

QtApplication::QtApplication(const char* programName, bool offscreen) : name_(programName) {
    bool chosenByUser = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    if (!chosenByUser)
        qputenv("QT_QPA_PLATFORM",
                offscreen ? QByteArray("offscreen")
                          : QByteArray::fromStdString(platformsWithFallback(processEnvironment)));
    argv_[0] = name_.data();
    QtMessageHandler previous = qInstallMessageHandler(&startupMessage);
    app_ = std::make_unique<QApplication>(argc_, argv_);
    qInstallMessageHandler(previous);
    displayUnavailable_ = !offscreen && !chosenByUser &&
                          QGuiApplication::platformName() == QStringLiteral("offscreen");
}

QtApplication::~QtApplication() = default;

}  // namespace zlx::qt
