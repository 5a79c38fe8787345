#include "launcher/simulated_program.h"

#include "adapterinfo/adapter_details.h"
#include "adapterinfo/details_text.h"
#include "app/process_start.h"
#include "context/product_data.h"
#include "resources/string_table.h"

namespace zlx::launcher {

namespace {
std::optional<std::string> loadResourceString(int id) {
    auto text = resources::loadString(id);
    if (!text) return std::nullopt;
    return std::string(*text);
}
}  // namespace

SimulatedProgram::SimulatedProgram(const platform::sim::Scenario& scenario, platform::Clock& clock,
                                   ui::DesktopServices& services, const std::string& instanceScope,
                                   ui::WindowHandle handleBase,
                                   platform::sim::CallRecording recording)
    : machine_(scenario, clock, recording),
      instance_(platform::host::kInstanceMutexName, instanceScope),
      mutexes_(instanceScope, clock),
      platform_(platform::sim::makePlatform(machine_, mutexes_, instance_, savedFiles_)),
      desktop_(clock, services, &loadResourceString, handleBase),
      context_(platform_, desktop_, context::productDataFor(scenario.product)),
      application_(context_) {
    context_.programVersion = ZLX_VERSION;
    if (scenario.machine.nicMutexHeldMs > 0)
        nicHolder_.emplace(mutexes_, platform::sim::kNicMutexName, clock,
                           scenario.machine.nicMutexHeldMs);
}

SimulatedProgram::~SimulatedProgram() = default;

int SimulatedProgram::run(const std::vector<std::string>& systemArguments) {
    app::initialiseProcess(application_.adapterState());
    application_.initInstance(systemArguments);
    return 0;
}

scriptmode::ScriptHooks SimulatedProgram::scriptHooks() {
    scriptmode::ScriptHooks hooks;
    hooks.takeCalls = [this] { return machine_.calls().takeNew(); };
    hooks.details = [this] {
        return adapterinfo::formatAdapterDetails(adapterinfo::buildAdapterDetails(
            context_, context_.selection.selectedAdapterDescription));
    };
    return hooks;
}

ui::WindowHandle processHandleBase() {
    return static_cast<ui::WindowHandle>(platform::host::currentProcessId()) << 24;
}

}  // namespace zlx::launcher
