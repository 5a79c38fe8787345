#include "launcher/program.h"

#include "adapterinfo/adapter_details.h"
#include "adapterinfo/details_text.h"
#include "app/process_start.h"
#include "context/product_data.h"
#include "platform/process_local_objects.h"
#include "resources/string_table.h"
#include "status/link_history.h"
#include "status/status_sheet.h"

namespace zlx::launcher {

namespace {
std::optional<std::string> loadResourceString(int id) {
    auto text = resources::loadString(id);
    if (!text) return std::nullopt;
    return std::string(*text);
}

std::unique_ptr<platform::SingleInstance> singleInstanceIn(const InstanceScope& scope) {
    if (!scope.path) return std::make_unique<platform::ProcessLocalSingleInstance>();
    return std::make_unique<platform::host::NativeSingleInstance>(
        platform::host::kInstanceMutexName, *scope.path);
}

// The vendor's programs on a real machine share their mutexes by their bare names; on a
// simulated one they live in the run's scope, so that runs never meet.
std::unique_ptr<platform::NamedMutexes> namedMutexesFor(const RunMachine& machine,
                                                        const InstanceScope& scope,
                                                        platform::Clock& clock) {
    if (!machine.scenario)
        return std::make_unique<platform::host::NativeNamedMutexes>(std::string(), clock);
    if (!scope.path) return std::make_unique<platform::ProcessLocalNamedMutexes>(clock);
    return std::make_unique<platform::host::NativeNamedMutexes>(*scope.path, clock);
}
}  // namespace

Program::Program(const RunMachine& machine, platform::Clock& clock, ui::DesktopServices& services,
                 const InstanceScope& instanceScope, ui::WindowHandle handleBase,
                 sim::CallRecording recording)
    : simulated_(machine.scenario
                     ? std::make_unique<sim::SimMachine>(*machine.scenario, clock, recording)
                     : nullptr),
#ifdef _WIN32
      real_(machine.scenario ? nullptr : std::make_unique<platform::win32::Win32Machine>()),
#endif
      instance_(singleInstanceIn(instanceScope)),
      mutexes_(namedMutexesFor(machine, instanceScope, clock)),
      platform_(machineServices()),
      desktop_(clock, services, &loadResourceString, handleBase),
      context_(platform_, desktop_,
               context::productDataFor(machine.scenario ? machine.scenario->product : "")),
      application_(context_) {
    context_.programVersion = ZLX_VERSION;
    if (machine.scenario && machine.scenario->machine.nicMutexHeldMs > 0)
        nicHolder_.emplace(*mutexes_, sim::kNicMutexName, clock,
                           machine.scenario->machine.nicMutexHeldMs);
}

platform::Platform Program::machineServices() {
#ifdef _WIN32
    if (real_) return real_->platform(*mutexes_, *instance_, savedFiles_);
#endif
    return sim::makePlatform(*simulated_, *mutexes_, *instance_, savedFiles_);
}

Program::~Program() = default;

int Program::run(const std::vector<std::string>& systemArguments) {
    app::initialiseProcess(application_.adapterState());
    application_.initInstance(systemArguments);
    return 0;
}

scriptmode::ScriptHooks Program::scriptHooks() {
    scriptmode::ScriptHooks hooks;
    if (simulated_) hooks.takeCalls = [this] { return simulated_->calls().takeNew(); };
    hooks.details = [this] {
        return adapterinfo::formatAdapterDetails(adapterinfo::buildAdapterDetails(
            context_, context_.selection.selectedAdapterDescription));
    };
    // A long advance runs the last ten minutes the Signal History shows, and the tick before
    // them, tick by tick: the window then shows what it would after that long, and the ticks
    // before cost one refresh.
    hooks.scheduledTail = (status::kHistorySamples + 1) * status::kRefreshPeriod;
    return hooks;
}

ui::WindowHandle processHandleBase() {
    return static_cast<ui::WindowHandle>(platform::host::currentProcessId()) << 24;
}

}  // namespace zlx::launcher
