#pragma once
// The simulated machine behind the stand-ins for Windows' own DLLs and programs: the scenario
// that ZLX_STAND_IN_SCENARIO names, loaded at the first call and kept for the rest of the
// process. It is never destroyed: a DLL's static destructors run under the loader lock, where
// joining the machine's threads would hang the process at its end.

#include "sim/sim_machine.h"

namespace zlx::standin {

// The machine, or null when the variable is unset or its scenario cannot be loaded.
sim::SimMachine* machine();

// The scenario alone, for a program that needs no machine (the ping); null as above.
const sim::Scenario* scenario();

}  // namespace zlx::standin
