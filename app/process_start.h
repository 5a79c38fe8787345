#pragma once
// What happens when the process starts, before the application object runs: the values every
// later step relies on are set up in their fixed order.

#include "app/app_context.h"

namespace zlx::app {

void initialiseProcess(AppContext& ctx);

}  // namespace zlx::app
