#pragma once
// One refresh of the status pages as data: the texts the Current Status page, its Advanced
// Status dialog and the Diagnostics page show, and the readings behind them. The pages draw
// their controls from it, and the command line prints it, so a value is worked out once.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "adapterinfo/adapter_state.h"

namespace zlx::status {

// The readings behind the link's texts; a reading whose gate is closed (it did not answer on
// this refresh, or the radio is off) is empty, exactly where its text is "none".
struct LinkReadings {
    std::optional<std::uint32_t> interfaceState;
    // Nothing when the radio state cannot be read; else whether each switch is on.
    std::optional<bool> radioHardwareOn, radioSoftwareOn;
    bool radioOn = true;  // the gate of the texts: a radio that cannot be read counts as on
    std::optional<std::string> ssid;
    std::optional<std::array<std::uint8_t, 6>> bssid;
    std::optional<std::uint32_t> channel, frequencyMhz;
    std::optional<std::int32_t> signalDbm;
    std::optional<std::uint32_t> qualityPercent;
    std::optional<double> rxRateMbps, txRateMbps;
    std::optional<int> txPowerMw;
    std::optional<std::uint64_t> upTimeSeconds;

    // Connected to an access point or an ad hoc network ("Associated").
    bool associated() const { return interfaceState == 1u || interfaceState == 2u; }
};

// The signal bar's range.
inline constexpr int kSignalBarMax = 100;

// What the Current Status page and the Advanced Status dialog show after one refresh.
struct LinkSnapshot {
    // The page.
    std::string profileName, linkStatus, networkType, wirelessMode, channel, encryption,
        serverAuthentication, ipAddress, radioStatus, signalWord;
    int qualityBar = 0;  // 0 to kSignalBarMax
    // The dialog (its channel is the page's).
    std::string ssid, authentication, qos, mfp, apMac, powerSave, powerLevel, powerLevelsA,
        powerLevelsBg, signalStrength, signalQuality, upTime, preamble, rxRate, txRate, frequency,
        channelSet;
    LinkReadings readings;
    // The result of opening a client handle on this refresh: not 0 when the wireless service
    // could not be asked, and the link status then names that cause.
    platform::Win32Error serviceResult = platform::kErrorSuccess;
};

// The Current Status refresh: the link records refreshed, the radio, the interface state and
// the profile's EAP method read once each, every text worked out from them.
LinkSnapshot takeLinkSnapshot(adapterinfo::AdapterStateContext state);

// What the Diagnostics page shows after one refresh.
struct DiagnosticsSnapshot {
    // The statistics answered on this refresh; when not, the counters are the last ones that
    // did (zero before any).
    bool statisticsAnswered = false;
    adapterinfo::StatisticsDisplayBlock counters{};
    adapterinfo::StatisticsAnswered answered{};  // per counter, on this refresh
    // The driver refused its private requests for want of rights.
    bool driverAccessDenied = false;

    // Whether the counter in `slot` arrived on this refresh; "none" when not.
    bool counterAnswered(std::size_t slot) const {
        return statisticsAnswered && slot < answered.size() && answered[slot];
    }
    std::string cardName, macAddress, driver, driverVersion, driverDate, clientName, serialNumber;
};

// The Diagnostics refresh: the statistics, the computer's name, the adapter details.
DiagnosticsSnapshot takeDiagnosticsSnapshot(adapterinfo::AdapterStateContext state);

// Both pages' refreshes, as the sheet makes them: the Current Status page's, then the
// Diagnostics page's.
struct StatusSnapshot {
    std::string adapterDescription;
    std::string interfaceGuid;  // the selected interface's GUID text; empty without one
    LinkSnapshot link;
    DiagnosticsSnapshot diagnostics;
};
StatusSnapshot takeStatusSnapshot(adapterinfo::AdapterStateContext state);

}  // namespace zlx::status
