#include "qt/startup.h"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace zlx::qt {

namespace {

// Qt warns once, while the platform starts, when the session has no runtime folder (as under
// a service manager or in CI) and then uses a private one of its own. That is no problem of
// the program's, so that one notice is kept out of the program's error output; everything else
// is printed as Qt's own handler prints it.
void startupMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

}  // namespace

std::string processEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

bool hasDisplay(const Environment& environment) {
    return !environment("DISPLAY").empty() || !environment("WAYLAND_DISPLAY").empty() ||
           !environment("QT_QPA_PLATFORM").empty();
}

QtApplication::QtApplication(const char* programName, bool offscreen) : name_(programName) {
    if (offscreen && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    argv_[0] = name_.data();
    QtMessageHandler previous = qInstallMessageHandler(&startupMessage);
    app_ = std::make_unique<QApplication>(argc_, argv_);
    qInstallMessageHandler(previous);
}

QtApplication::~QtApplication() = default;

}  // namespace zlx::qt
