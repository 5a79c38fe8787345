#include <memory>

#include "launcher/scripted_run.h"
#include "scriptmode/script_runner.h"
#include "win32/help_window.h"
#include "win32/loop_driver.h"
#include "win32/renderer.h"
#include "win32/runs.h"
#include "win32/screenshots.h"

namespace zlx::win32 {

namespace {

class Win32ScriptFrontEnd final : public launcher::ScriptFrontEnd {
  public:
    Win32ScriptFrontEnd(launcher::Program& program, HINSTANCE instance)
        : renderer_(program.desktop(), instance), help_(instance, renderer_.icons()) {}

    void showHelp(const std::string& path) override { help_.showFor(path); }

    void shot(const std::string& folder, const std::string& name) override {
        drainWindowMessages();
        std::vector<HWND> windows;
        for (WindowView* view : renderer_.topLevelViews()) windows.push_back(view->hwnd());
        windows.push_back(help_.hwnd());
        ScreenshotResult result = writeScreenshots(windows, folder, name);
        if (!result.error.empty())
            throw scriptmode::ScriptError("shot " + name + ": " + result.error);
    }

    // What a command looks at (or a "shot" pictures) is what a person sees.
    void settle() override { drainWindowMessages(); }

  private:
    Renderer renderer_;
    HelpStandIn help_;
};

}  // namespace

int runScriptOnWin32(const launcher::LaunchOptions& options, const std::string& scriptText,
                     std::ostream& out, std::ostream& err) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    return launcher::runScript(options, scriptText, out, err,
                               [instance](launcher::Program& program) {
                                   return std::make_unique<Win32ScriptFrontEnd>(program, instance);
                               });
}

}  // namespace zlx::win32
