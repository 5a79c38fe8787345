#pragma once

#include <string>

#include "platform/windows_types.h"

namespace zlx::context {

// The process-wide selection of the wireless interface every query addresses.
struct WlanSelection {
    platform::Guid selectedInterface;   // all zero until a selection succeeds
    std::string selectedInterfaceText;  // the text it was parsed from (36 characters)
    std::string selectedAdapterDescription;
};

}  // namespace zlx::context
