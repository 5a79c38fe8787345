#pragma once
// Which wireless profiles may be used for a diagnostic run.

#include <string>

#include "context/app_context.h"

namespace zlx::troubleshooting {

// Whether the named profile of the selected interface is eligible.
bool isZlxProfile(context::AppContext& ctx, const std::string& profileName);

// Whether the interface with this GUID text has an eligible profile. Makes that interface the
// selected one, whatever the answer.
bool adapterHasZlxProfile(context::AppContext& ctx, const std::string& guidText);

}  // namespace zlx::troubleshooting
