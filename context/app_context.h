#pragma once
// The process-wide values of one program run, kept together so that every run and every test
// starts from a fresh state.

#include <atomic>
#include <cstdint>
#include <string>

#include "context/product_data.h"
#include "context/run_state.h"
#include "context/wlan_selection.h"
#include "platform/platform.h"
#include "ui/desktop.h"

namespace zlx::context {

struct CommandLineFlags {
    bool serviceControlOff = false;     // "-u": the enter and leave requests are not sent
    bool serviceControlForced = false;  // "-d": wins over "-u"
};

class AppContext {
  public:
    AppContext(platform::Platform& platform, ui::Desktop& desktop, ProductData product = {})
        : platform(platform), desktop(desktop), product(product) {}
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    platform::Platform& platform;
    ui::Desktop& desktop;
    ProductData product;
    CommandLineFlags flags;
    // The Windows version classification (adapterinfo::classifyAtStartUp): written once at
    // start-up, before any other thread starts.
    std::uint32_t osVersionCode = 0;
    std::uint32_t servicePackMajor = 0;
    // The program's own version, as the build gave it to the launcher.
    std::string programVersion;

    WlanSelection selection;
    std::string selectedProfileName;
    std::string selectedAdapterGuidText;

    ui::WindowHandle mainWindow = ui::kNoWindow;
    // Written on the user-interface thread, read by the notification thread and workers.
    std::atomic<ui::WindowHandle> troubleshootingPage{ui::kNoWindow};
    std::atomic<ui::WindowHandle> testWindowHandle{ui::kNoWindow};
    std::atomic<ui::WindowHandle> waitDialogHandle{ui::kNoWindow};

    RunStateStore runState;
    // Counts the service's interface arrivals and removals: an interface list read before the
    // count last moved may name adapters that are gone or miss ones that came.
    std::atomic<std::uint64_t> interfaceChanges{0};
};

}  // namespace zlx::context
