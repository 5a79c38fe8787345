#pragma once
// What happens when the process starts, before the application object runs: the values every
// later step relies on are set up in their fixed order.

#include "context/app_context.h"

namespace zlx::app {

void initialiseProcess(context::AppContext& ctx);

}  // namespace zlx::app
