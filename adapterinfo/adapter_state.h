#pragma once
// The adapter state the status pages read: the vendor adapter chosen at start and again by the
// Diagnostics page, and the two refreshes of the link records on every status tick.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "adapterinfo/adapter_details.h"
#include "context/app_context.h"
#include "platform/wlan_types.h"
#include "wlan/driver_channel.h"
#include "wlan/interfaces.h"
#include "wlan/link_records.h"

namespace zlx::adapterinfo {

struct AdapterState {
    AdapterDetails details;  // its status is the last Native Wifi result of the refreshes
    // The link status as last copied, with the channel, frequency and mode bits of the channel
    // information and the transmit power code of the last transmit power answer.
    wlan::LinkStatus link;
    std::uint32_t phyCapabilityBits = 0;
};

inline constexpr std::size_t kStatisticsSlots = 34;
using StatisticsDisplayBlock = std::array<std::uint64_t, kStatisticsSlots>;
// Which slots of the display block the last statistics refresh answered.
using StatisticsAnswered = std::array<bool, kStatisticsSlots>;

// The link records of one program run. They outlive every page, so a page made again shows
// the last counters it had.
struct LinkRecords {
    AdapterState adapter;
    wlan::LinkStatus linkStatus;
    wlan::LinkStatistics statistics;
    wlan::StatusValidity validity;
    StatisticsDisplayBlock displayBlock{};
    StatisticsAnswered displayAnswered{};
    // The interfaces the Diagnostics page's selection visits, listed once per run and again
    // after an interface came or went (the context's count of changes when it was listed).
    std::unique_ptr<wlan::InterfaceList> diagnosticsInterfaces;
    std::uint64_t diagnosticsInterfacesListedAt = 0;
    // The profile XML read last and the EAP method found in it: a profile seldom changes
    // between refreshes, so it is parsed again only when its text does.
    struct {
        std::string xml;
        std::optional<std::int32_t> eapMethod;
    } lastProfile;
};

// Everything the adapter state's routines use.
struct AdapterStateContext {
    context::AppContext& app;
    wlan::DriverChannel& driver;
    LinkRecords& records;
};

// Runs once before the user interface: the first vendor adapter (by the driver's vendor text or
// by its description) becomes the selected interface and adapter description.
void selectAdapterAtStart(AdapterStateContext c);
// The Diagnostics page's selection: only a driver that names the vendor counts.
void selectForDiagnosticsPage(AdapterStateContext c);

// Rewrites the link status and the adapter state's copy, and sets each validity flag by
// whether its source answered; always succeeds.
void refreshLinkStatus(AdapterStateContext c);
// The transmit power answer, which the Current Status page asks for after each link status
// refresh.
void refreshTxPowerAndValidity(AdapterStateContext c);
// False, with every validity flag cleared, when the service's statistics cannot be read.
// Slots whose source did not answer (the driver's counters refused, no PHY reported) are
// marked unanswered in the records' displayAnswered.
bool refreshStatistics(AdapterStateContext c);
// The slots the interface statistics fill (the PHY sums only with PHYs), and those of the
// driver's private counters when they answered; frames retried comes from either.
StatisticsAnswered answeredSlotsOf(bool driverAnswered, bool withPhys);

// The received signal strength in dBm while the interface is connected; the result code of the
// last query goes into the adapter state.
bool querySignalStrength(AdapterStateContext c, std::int32_t& dbm);

// The 34 slots of the Diagnostics page from the statistics.
StatisticsDisplayBlock displayBlockOf(const wlan::LinkStatistics& statistics);

// The statistics after one interface statistics answer: frames transmitted is the 64-bit sum
// of unicast and multicast (it does not wrap at 2^32); without PHYs the PHY sums stay.
void applyInterfaceStatistics(const platform::WlanStatistics& answer,
                              wlan::LinkStatistics& statistics);

}  // namespace zlx::adapterinfo
