#pragma once
// How a simulated link changes over time: signal strength and quality swinging, counters
// growing at fixed rates, the up-time growing, and events at given times. Everything is a
// function of the clock's reading, so a manual clock gives the same link every run and a real
// clock a living one.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/win32.h"
#include "platform/wlan_types.h"

namespace zlx::platform::sim {

struct InterfaceScenario;

// Something that happens to the link at `atMs` and stays so until a later event changes it.
struct LinkEvent {
    Millis atMs = 0;
    std::optional<std::uint32_t> state;  // interface state; "connected" restarts the up-time
    std::optional<std::uint32_t> radioSoftware;  // every PHY
    std::optional<std::uint32_t> radioHardware;
    // A roam: the new access point and channel.
    std::optional<std::array<std::uint8_t, 6>> bssid;
    std::optional<std::uint8_t> channel;
    std::optional<std::uint16_t> frequencyMhz;
    // The interface statistics query fails with this result from now on; 0 ends the failure.
    std::optional<Win32Error> statisticsResult;
};

struct CounterRate {
    std::string counter;  // one of linkCounterNames()
    std::uint64_t perSecond = 0;
};

struct LinkDynamics {
    std::int32_t rssiSwingDbm = 0;          // the signal strength moves this far either way
    std::uint32_t qualitySwingPercent = 0;  // so do the signal quality values
    Millis swingPeriodMs = 16000;
    bool upTimeGrows = false;
    std::vector<CounterRate> counterRates;
    std::vector<LinkEvent> events;  // in time order

    bool still() const {
        return rssiSwingDbm == 0 && qualitySwingPercent == 0 && !upTimeGrows &&
               counterRates.empty() && events.empty();
    }
};

// The counters a rate may name: the driver's statistics and the interface statistics (the
// PHY counters are those of the first PHY).
std::vector<std::string_view> linkCounterNames();

// The interface statistics of an interface whose scenario gives none: zero counters and one
// PHY for each PHY of its radio.
WlanStatistics defaultInterfaceStatistics(const InterfaceScenario& i);

// The events of a link applied so far, kept between readings so that each event is applied
// once however many readings follow: a burst of events at one instant must not be walked
// again at every refresh. Valid for one base interface; reset it when the base changes.
struct AppliedEvents {
    std::shared_ptr<InterfaceScenario> state;  // the base with the events before `next`
    std::size_t next = 0;
    Millis at = 0;  // the reading they were applied for
    Millis connectedSince = 0;
    bool restarted = false;
};

// `base` as it is `now` milliseconds after the clock started, for the readings of the link: a
// link that changes comes without the profiles and the list of events. With `applied`, the
// events come from and go to it; a reading earlier than its last starts it again.
InterfaceScenario liveInterface(const InterfaceScenario& base, Millis now,
                                AppliedEvents* applied = nullptr);

// The swing at `now`: a triangle wave from -amplitude to +amplitude and back over `period`.
std::int64_t swingAt(Millis now, Millis period, std::int64_t amplitude);

}  // namespace zlx::platform::sim
