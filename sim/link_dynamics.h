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
#include "platform/windows_types.h"
#include "platform/wlan_types.h"
#include "sim/platform_names.h"

namespace zlx::sim {

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
    // The interface is taken from the machine (false) or comes back (true).
    std::optional<bool> present;
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

// One interface's link as it is now, kept between readings and advanced when the clock has
// moved: each event is applied once however many readings follow (a burst of events at one
// instant must not be walked again at every refresh), and the swings, counters and up-time are
// set for the new moment in place. A reading copies nothing. Valid for one base interface;
// make a new one when the base changes.
class LiveLink {
  public:
    // `base` as it is `now` milliseconds after the clock started. A link that changes comes
    // without the profiles and the list of events; one that does not is `base` itself. A
    // reading earlier than the last starts again from the base. The reference stays valid
    // until the next reading or until `base` changes.
    const InterfaceScenario& at(const InterfaceScenario& base, Millis now);

  private:
    void restart(const InterfaceScenario& base);

    // A counter a rate moves: where it is in live_, and its value in the base.
    struct RatedCounter {
        std::uint64_t* value;
        std::uint64_t start;
        std::uint64_t perSecond;
    };

    std::unique_ptr<InterfaceScenario> live_;  // the base with the events before `next_`
    std::vector<RatedCounter> rated_;
    std::size_t next_ = 0;
    std::optional<Millis> at_;  // the reading `live_` was made for
    Millis connectedSince_ = 0;
    bool restarted_ = false;
};

// The same link read afresh, every event applied again: what the kept one must equal.
InterfaceScenario liveInterface(const InterfaceScenario& base, Millis now);

// The swing at `now`: a triangle wave from -amplitude to +amplitude and back over `period`.
std::int64_t swingAt(Millis now, Millis period, std::int64_t amplitude);

}  // namespace zlx::sim
