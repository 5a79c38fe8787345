#include "qt/script_run.h"

#include <QApplication>
#include <QCoreApplication>

#include "launcher/scripted_run.h"
#include "qt/help_stand_in.h"
#include "qt/renderer.h"
#include "qt/screenshots.h"
#include "scriptmode/script_runner.h"

namespace zlx::qt {

namespace {

class QtScriptFrontEnd final : public launcher::ScriptFrontEnd {
  public:
    explicit QtScriptFrontEnd(launcher::Program& program)
        : renderer_(program.desktop(), QApplication::font()) {}

    void showHelp(const std::string& path) override { help_.showFor(path); }

    void shot(const std::string& folder, const std::string& name) override {
        ScreenshotResult result = writeScreenshots(renderer_, QString::fromStdString(folder),
                                                   QString::fromStdString(name));
        if (!result.error.empty())
            throw scriptmode::ScriptError("shot " + name + ": " + result.error);
    }

    void settle() override {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

  private:
    Renderer renderer_;
    HelpStandIn help_;
};

}  // namespace

int runScriptOnQt(const launcher::LaunchOptions& options, const std::string& scriptText,
                  std::ostream& out, std::ostream& err) {
    return launcher::runScript(options, scriptText, out, err, [](launcher::Program& program) {
        return std::make_unique<QtScriptFrontEnd>(program);
    });
}

}  // namespace zlx::qt
