#pragma once
// The Native Wifi readings the status texts need besides the link records, each on a client
// handle of its own, with its result code stored in the adapter state.

#include <cstdint>
#include <optional>

#include "adapterinfo/adapter_state.h"

namespace zlx::status {

struct RadioReading {
    // 0 when the radio is on or cannot be read (radioClassOf).
    int radioClass = 0;
    // The first PHY's switches; nothing when the query fails or reports no PHY.
    std::optional<bool> hardwareOn, softwareOn;
    // The result of opening the query's client handle: not 0 when the wireless service could
    // not be asked (wlan::serviceUnavailable).
    platform::Win32Error serviceResult = platform::kErrorSuccess;
    // The service answered but does not know the selected interface: the adapter is gone.
    bool adapterGone = false;
};
// The radio state of the selected interface's first PHY.
RadioReading queryRadio(adapterinfo::AdapterStateContext c);
// The interface state; nothing when the query fails.
std::optional<std::uint32_t> queryInterfaceState(adapterinfo::AdapterStateContext c);
// The EAP method of the profile the adapter details name; 0 when there is no profile to read
// or it has none; nothing when the profile named could not be read (refused, for instance).
std::optional<std::int32_t> queryProfileEapMethod(adapterinfo::AdapterStateContext c);

}  // namespace zlx::status
