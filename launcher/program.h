#pragma once
// One run of the program: the machine it diagnoses (simulated, or the real one on Windows), the
// real kernel facilities, the desktop and the system's application object, wired together.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/application.h"
#include "context/app_context.h"
#include "launcher/instance_scope.h"
#include "launcher/run_machine.h"
#include "platform/host.h"
#include "platform/named_mutex_holder.h"
#include "sim/scenario.h"
#include "sim/sim_machine.h"
#ifdef _WIN32
#include "platform/win32/win32_machine.h"
#endif
#include "scriptmode/script_runner.h"
#include "ui/desktop.h"

namespace zlx::launcher {

class Program {
  public:
    // A simulated machine keeps the calls it receives only when `recording` says so: a script
    // that reads them, or a test. A scenario stands for the simulated machine it describes.
    Program(const RunMachine& machine, platform::Clock& clock, ui::DesktopServices& services,
            const InstanceScope& instanceScope, ui::WindowHandle handleBase,
            sim::CallRecording recording = sim::CallRecording::Off);
    ~Program();

    // The system's start-up; returns the process's exit status.
    int run(const std::vector<std::string>& systemArguments);

    ui::Desktop& desktop() { return desktop_; }
    context::AppContext& context() { return context_; }
    app::Application& application() { return application_; }
    // The simulated machine; null when the run diagnoses the real one.
    sim::SimMachine* simulated() { return simulated_.get(); }

    // What a script reads of this run: the recorded calls (none on the real machine) and the
    // adapter details. Every front end uses these, so their transcripts agree.
    scriptmode::ScriptHooks scriptHooks();

  private:
    platform::Platform machineServices();

    std::unique_ptr<sim::SimMachine> simulated_;
#ifdef _WIN32
    std::unique_ptr<platform::win32::Win32Machine> real_;
#endif
    std::unique_ptr<platform::SingleInstance> instance_;
    std::unique_ptr<platform::NamedMutexes> mutexes_;
    // Another program of the vendor holding the NIC mutex, when the scenario says so.
    std::optional<platform::NamedMutexHolder> nicHolder_;
    platform::host::NativeSavedFiles savedFiles_;
    platform::Platform platform_;
    ui::Desktop desktop_;
    context::AppContext context_;
    app::Application application_;
};

// A window-handle base that differs between processes, so that a handle read by another copy
// of the program never names one of this copy's windows by accident.
ui::WindowHandle processHandleBase();

}  // namespace zlx::launcher
