#include "tests/windows/stand_ins/stand_in_machine.h"

#include <windows.h>

#include <vector>

#include "platform/win32/wide_text.h"

namespace zlx::standin {

namespace {

std::string scenarioPath() {
    std::vector<wchar_t> value(32768);
    DWORD length = ::GetEnvironmentVariableW(L"ZLX_STAND_IN_SCENARIO", value.data(),
                                             static_cast<DWORD>(value.size()));
    if (length == 0 || length >= value.size()) return {};
    return platform::win32::fromWide(std::wstring_view(value.data(), length));
}

sim::Scenario* load() {
    std::string path = scenarioPath();
    if (path.empty()) return nullptr;
    try {
        return new sim::Scenario(sim::loadScenarioFile(path));
    } catch (const sim::ScenarioError&) {
        return nullptr;
    }
}

}  // namespace

const sim::Scenario* scenario() {
    static const sim::Scenario* loaded = load();
    return loaded;
}

sim::SimMachine* machine() {
    static sim::SimMachine* made = [] {
        const sim::Scenario* described = scenario();
        if (!described) return static_cast<sim::SimMachine*>(nullptr);
        // The service's threads outlive any FreeLibrary of the program: the DLL stays loaded
        // until the process ends.
        HMODULE self = nullptr;
        ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                             reinterpret_cast<LPCWSTR>(reinterpret_cast<void*>(&scenarioPath)),
                             &self);
        // The service's events come in real time, as a real service's do.
        auto* clock = new platform::RealClock();
        return new sim::SimMachine(*described, *clock, sim::CallRecording::Off);
    }();
    return made;
}

}  // namespace zlx::standin
