#pragma once
// The adapter details as text, for the script mode's `details` command.

#include <string>

#include "adapterinfo/adapter_details.h"

namespace zlx::adapterinfo {

// Every field, one "name: value" a line in declaration order ("name:" alone for an empty
// text). Control characters in a text are written as \xNN, so a value never breaks a line.
std::string formatAdapterDetails(const AdapterDetails& details);

}  // namespace zlx::adapterinfo
