#pragma once
// AdapterDetails: the read-only snapshot of the facts about the selected adapter that the
// wireless service does not report (MAC and IPv4 address, driver file with its version and
// date, radio state, current profile), gathered in one pass by buildAdapterDetails.

#include <cstdint>
#include <memory>
#include <string>

#include "adapterinfo/adapter_info.h"
#include "platform/wlan.h"
#include "wlan/client_handle.h"
#include "wlan/interfaces.h"

namespace zlx::context {
class AppContext;
}

namespace zlx::adapterinfo {

// Every text is empty when its source found nothing; none ever holds a placeholder.
struct AdapterDetails {
    // The snapshot's own Native Wifi client handle, closed when the snapshot goes. A snapshot
    // can be moved but not copied, so exactly one owner ever closes it.
    std::unique_ptr<wlan::ClientHandle> client;
    // The result of the last Native Wifi call made for the snapshot (the open, then the radio
    // query); consumers store the results of their own queries here.
    std::uint32_t status = 0;
    // The result of opening that handle: not 0 when there was no wireless service to ask
    // (wlan::serviceUnavailable), so nothing below was read from it.
    std::uint32_t serviceResult = 0;
    std::string profileName;
    std::string macAddress;  // "00-21-6A-4B-7C-11"
    std::string adapterName;
    std::string driverPath;
    std::string requestedName;
    std::string driverInstance;  // "0007"
    std::string driverFileVersion;
    std::string serialNumber;  // nothing supplies it
    std::string driverFileDate;
    std::string driverFileLastWrite;  // the same date in ISO 8601 with the machine's offset
    std::string ipAddress;
    std::uint32_t hasAdapterName = 0;
    std::uint32_t radioOn = 0;

    // The texts and flags; the copy holds no client handle.
    AdapterDetails copyValues() const;
};

// Gathers the details of the adapter named by `selection` at this moment (its description
// and interface are read once, at the start); `requestedName` only decides hasAdapterName
// and whether the radio is asked. Never fails: what cannot be found stays empty. Waits up
// to 2 s for the vendor's NIC mutex.
AdapterDetails buildAdapterDetails(const GatherContext& context,
                                   const context::WlanSelection& selection,
                                   const std::string& requestedName);
AdapterDetails buildAdapterDetails(context::AppContext& ctx, const std::string& requestedName);

std::string driverInstanceOf(const AdapterDetails& details);

// Whether a PHY of `interfaceGuid` is on both in software and in hardware; sets the snapshot's
// status to the result of the open or of the query.
bool queryRadioOn(platform::WlanApi& wlan, const platform::Guid& interfaceGuid,
                  AdapterDetails& details);

}  // namespace zlx::adapterinfo
