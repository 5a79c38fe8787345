// A stand-in for ping.exe: writes the output of the ping the scenario that
// ZLX_STAND_IN_SCENARIO names describes, at once, and ends; a ping that never ends waits until
// it is ended. Installed in the test prefix's system32 (scripts/windows/materialise).

#include <windows.h>

#include <cstdio>

#include "tests/windows/stand_ins/stand_in_machine.h"

int main() {
    const zlx::sim::Scenario* scenario = zlx::standin::scenario();
    if (scenario == nullptr) return 1;
    const zlx::sim::PingScenario& ping = scenario->ping;
    if (ping.neverEnds) ::Sleep(INFINITE);
    DWORD written = 0;
    HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    ::WriteFile(out, ping.output.data(), static_cast<DWORD>(ping.output.size()), &written, nullptr);
    return 0;
}
