#include "app/application.h"

#include "app/about_dialog.h"
#include "app/command_line.h"
#include "app/help_locale.h"
#include "app/termination.h"
#include "platform/registry_key.h"
#include "resources/string_table.h"
#include "status/diagnostics_page.h"
#include "status/status_sheet.h"
#include "troubleshooting/troubleshooting_page.h"
#include "ui/dialog.h"

namespace zlx::app {

Application::Application(context::AppContext& context)
    : ctx_(context),
      driver_(context.platform.wlan, context.selection.selectedInterface,
              context.flags.serviceControlOff, context.product.networkVendorOui),
      notifications_(context) {}

bool Application::initInstance(const std::vector<std::string>& arguments) {
    platform::SingleInstance& instance = ctx_.platform.instance;
    if (!instance.createMutex()) {
        // Another copy runs: it brings its window forward when the shared value names one.
        if (std::uint64_t window = instance.readSharedMainWindow())
            instance.requestActivation(window);
        instance.releaseMutex();
        return false;
    }
    ui::Desktop& desktop = ctx_.desktop;
    instance.setActivationHandler([&desktop](std::uint64_t window) {
        desktop.postCall([&desktop, window] { desktop.activateFromOutside(window); });
    });

    applyCommandLine(arguments, ctx_.flags);

    {
        TerminationGuard guard([this] { driver_.leaveDiagnosticMode(); });
        try {
            runMainWindow();
        } catch (int) {
            driver_.leaveDiagnosticMode();
        }
    }

    instance.setActivationHandler(nullptr);
    instance.releaseMutex();
    return false;
}

bool Application::runMainWindow() {
    // Help is looked for before the pages list the adapters.
    bool help = helpAvailable();
    troubleshooting::TroubleshootingPage troubleshooting(
        ctx_, driver_, notifications_, [this](ui::WindowHandle owner) { showAbout(owner); });
    status::StatusSheet sheet(adapterState(), troubleshooting, help, [this] { onHelp(); });
    sheet.doModal();
    ctx_.mainWindow = ui::kNoWindow;
    return false;
}

std::string Application::installPath() {
    platform::RegistryKey key(ctx_.platform.registry);
    if (key.open(platform::kHkeyLocalMachine, "Software\\Norvane\\Pelorn",
                 platform::kKeyAllAccess) != 0)
        key.open(platform::kHkeyLocalMachine, "Software\\Norvane\\Pelorn", platform::kKeyRead);
    std::string path;
    if (key.isOpen()) key.queryString("InstallPath", path);
    key.close();
    return path + "\\";
}

bool Application::helpAvailable() {
    return status::vendorHelpFolderExists(ctx_.platform);
}

void Application::showAbout(ui::WindowHandle owner) {
    AboutDialog about(ctx_.desktop);
    about.doModal(owner);
}

void Application::onHelp() {
    ui::Dialog* main = ctx_.desktop.find(ctx_.mainWindow);
    if (!main) return;
    // The install path is read before the language: the calls the machine records keep this
    // order whatever order a compiler evaluates arguments in.
    std::string install = installPath();
    std::string locale = helpLocaleName(ctx_.platform.system.defaultLangId());
    std::string path = helpFilePath(install, locale);
    if (ctx_.platform.help.displayTopic(ctx_.mainWindow, path)) return;
    ui::MessageBoxRequest box;
    box.owner = ctx_.mainWindow;
    box.ownerTitle = main->title();
    box.caption = main->title();
    box.text = resources::stringOr(resources::kIdsHelpNotAvailable, "Help is not available !");
    ctx_.desktop.services().messageBox(box);
}

}  // namespace zlx::app
