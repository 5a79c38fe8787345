#pragma once
// The Native Wifi readings the status texts need besides the link records, each on a client
// handle of its own, with its result code stored in the adapter state.

#include <cstdint>
#include <optional>

#include "adapterinfo/adapter_state.h"

namespace zlx::status {

// The radio class of the selected interface's first PHY (0 when it is on or cannot be read).
int queryRadioClass(adapterinfo::AdapterStateContext c);
// The interface state; nothing when the query fails.
std::optional<std::uint32_t> queryInterfaceState(adapterinfo::AdapterStateContext c);
// The EAP method of the profile the adapter details name; 0 when it has none or cannot be read.
std::int32_t queryProfileEapMethod(adapterinfo::AdapterStateContext c);

}  // namespace zlx::status
