#pragma once
// Which wireless profiles may be used for a diagnostic run.

#include <string>

#include "context/app_context.h"

namespace zlx::troubleshooting {

// Whether the named profile of the selected interface is eligible. A read the service refused
// for want of rights (5) sets `*accessDenied`, when given: the profile may well be eligible.
bool isZlxProfile(context::AppContext& ctx, const std::string& profileName,
                  bool* accessDenied = nullptr);

// Whether the interface with this GUID text has an eligible profile. Makes that interface the
// selected one, whatever the answer.
bool adapterHasZlxProfile(context::AppContext& ctx, const std::string& guidText,
                          bool* accessDenied = nullptr);

}  // namespace zlx::troubleshooting
