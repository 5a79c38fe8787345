#pragma once
// What happens when the process starts, before the application object runs: the values every
// later step relies on are set up in their fixed order.

#include "adapterinfo/adapter_state.h"

namespace zlx::app {

void initialiseProcess(adapterinfo::AdapterStateContext state);

}  // namespace zlx::app
