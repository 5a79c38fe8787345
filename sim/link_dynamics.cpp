#include "sim/link_dynamics.h"

#include <algorithm>

#include "sim/driver_requests.h"
#include "sim/scenario.h"

namespace zlx::sim {

namespace {

// Where each interface statistics counter lives; the first PHY is made when a rate needs it.
template <typename Statistics>
auto interfaceCounter(Statistics& s, const std::string& name) -> decltype(&s.unicastTransmitted) {
    if (name == "unicastTransmitted") return &s.unicastTransmitted;
    if (name == "multicastTransmitted") return &s.multicastTransmitted;
    if (name == "unicastReceived") return &s.unicastReceived;
    if (name == "multicastReceived") return &s.multicastReceived;
    if (name.rfind("phy", 0) != 0) return nullptr;
    if (s.phys.empty()) return nullptr;
    auto& phy = s.phys.front();
    if (name == "phyRetry") return &phy.retryCount;
    if (name == "phyFailed") return &phy.failedCount;
    if (name == "phyAckFailure") return &phy.ackFailureCount;
    if (name == "phyDuplicate") return &phy.frameDuplicateCount;
    return nullptr;
}

std::uint64_t* counter(InterfaceScenario& i, const std::string& name) {
    for (const StatisticsCounter& c : kStatisticsCounters)
        if (c.name == name) return &(i.driver.statistics.*c.field);
    if (!i.statistics) i.statistics = defaultInterfaceStatistics(i);
    return interfaceCounter(*i.statistics, name);
}

template <typename T>
T swung(T value, std::int64_t swing, std::int64_t low, std::int64_t high) {
    return static_cast<T>(
        std::clamp<std::int64_t>(static_cast<std::int64_t>(value) + swing, low, high));
}

// perSecond * now / 1000, rounded down, modulo 2^64 as the counter wraps. The product itself
// would pass 2^64 long before the counter does (at 2^32 ms for the highest rate), so it is
// taken in whole seconds and the rest: P * N / 1000 = P * q + a * r + b * r / 1000 with
// N = 1000 q + r and P = 1000 a + b, every part exact or wrapping as the counter does.
std::uint64_t grownBy(std::uint64_t perSecond, Millis now) {
    if (now <= 0) return 0;
    const auto n = static_cast<std::uint64_t>(now);
    const std::uint64_t q = n / 1000, r = n % 1000, a = perSecond / 1000, b = perSecond % 1000;
    return perSecond * q + a * r + b * r / 1000;
}

// A counter's value in the base: a base without interface statistics has them all at zero.
std::uint64_t startOf(const InterfaceScenario& base, const std::string& name) {
    for (const StatisticsCounter& c : kStatisticsCounters)
        if (c.name == name) return base.driver.statistics.*c.field;
    if (!base.statistics) return 0;
    const std::uint64_t* value = interfaceCounter(*base.statistics, name);
    return value ? *value : 0;
}

void setStatisticsFailure(InterfaceScenario& i, Win32Error result) {
    std::erase_if(i.queryFailures,
                  [](const QueryFailure& f) { return f.opcode == kWlanOpcodeStatistics; });
    if (result != kErrorSuccess) i.queryFailures.push_back({kWlanOpcodeStatistics, result});
}

// Applies the events from `next` that are due by `now`; returns the first one left. The time
// the link last came up goes to `connectedSince`.
std::size_t applyEvents(InterfaceScenario& i, const std::vector<LinkEvent>& events,
                        std::size_t next, Millis now, Millis& connectedSince, bool& restarted) {
    for (; next < events.size(); ++next) {
        const LinkEvent& e = events[next];
        if (e.atMs > now) break;
        if (e.state) {
            i.state = *e.state;
            if (*e.state == kWlanStateConnected) {
                connectedSince = e.atMs;
                restarted = true;
            }
        }
        for (WlanPhyRadioState& phy : i.radio) {
            if (e.radioSoftware) phy.software = *e.radioSoftware;
            if (e.radioHardware) phy.hardware = *e.radioHardware;
        }
        if (e.bssid) {
            i.driver.linkStatus.bssid = *e.bssid;
            if (i.connection) i.connection->attributes.association.bssid = *e.bssid;
        }
        if (e.channel) {
            i.driver.linkStatus.channel = *e.channel;
            i.driver.channelNumber = *e.channel;
        }
        if (e.frequencyMhz) {
            i.driver.linkStatus.frequencyMhz = *e.frequencyMhz;
            i.driver.channelFrequencyMhz = *e.frequencyMhz;
        }
        if (e.statisticsResult) setStatisticsFailure(i, *e.statisticsResult);
        if (e.present) i.present = *e.present;
    }
    return next;
}

}  // namespace

std::vector<std::string_view> linkCounterNames() {
    std::vector<std::string_view> all;
    for (const StatisticsCounter& c : kStatisticsCounters) all.push_back(c.name);
    for (std::string_view n :
         {"unicastTransmitted", "multicastTransmitted", "unicastReceived", "multicastReceived",
          "phyRetry", "phyFailed", "phyAckFailure", "phyDuplicate"})
        all.push_back(n);
    return all;
}

WlanStatistics defaultInterfaceStatistics(const InterfaceScenario& i) {
    WlanStatistics s;
    s.phys.resize(i.radio.size());
    return s;
}

std::int64_t swingAt(Millis now, Millis period, std::int64_t amplitude) {
    if (period <= 0 || amplitude == 0 || now < 0) return 0;
    const std::int64_t phase = now % period;
    const std::int64_t x = phase * 4 * amplitude / period;  // 0 to 4 amplitudes
    return x <= 2 * amplitude ? x - amplitude : 3 * amplitude - x;
}

void LiveLink::restart(const InterfaceScenario& base) {
    // Without what no reading looks at, which a big scenario makes big (its profiles, the
    // events themselves).
    // Made once per base, not at every reading.
    live_ = std::make_unique<InterfaceScenario>(base);
    live_->profiles.clear();
    live_->profiles.shrink_to_fit();
    live_->dynamics.events.clear();
    live_->dynamics.events.shrink_to_fit();
    // Every rated counter found once; two rates may name the same counter.
    rated_.clear();
    for (const CounterRate& rate : base.dynamics.counterRates) {
        if (std::uint64_t* value = counter(*live_, rate.counter))
            rated_.push_back({value, startOf(base, rate.counter), rate.perSecond});
    }
    next_ = 0;
    at_.reset();
    connectedSince_ = 0;
    restarted_ = false;
}

const InterfaceScenario& LiveLink::at(const InterfaceScenario& base, Millis now) {
    const LinkDynamics& d = base.dynamics;
    if (d.still()) return base;
    if (!live_ || (at_ && now < *at_)) restart(base);
    InterfaceScenario& live = *live_;
    if (at_ == now) return live;
    next_ = applyEvents(live, d.events, next_, now, connectedSince_, restarted_);
    at_ = now;

    // The swings and rates start from the base's values, which no event changes.
    const std::int64_t rssi = swingAt(now, d.swingPeriodMs, d.rssiSwingDbm);
    const std::int64_t quality = swingAt(now, d.swingPeriodMs, d.qualitySwingPercent);
    if (live.connection && base.connection) {
        live.connection->rssi = swung(base.connection->rssi, rssi, -127, 0);
        live.connection->attributes.association.signalQuality =
            swung(base.connection->attributes.association.signalQuality, quality, 0, 100);
    }
    LinkStatusBlock& block = live.driver.linkStatus;
    const LinkStatusBlock& baseBlock = base.driver.linkStatus;
    block.qualityPercent = swung(baseBlock.qualityPercent, quality, 0, 100);
    block.rawQuality = swung(baseBlock.rawQuality, quality, 0, 100);

    const bool onNetwork =
        live.state == kWlanStateConnected || live.state == kWlanStateAdHocNetworkFormed;
    block.upTimeMs = baseBlock.upTimeMs;
    if (d.upTimeGrows && onNetwork) {
        const auto grown = static_cast<std::uint64_t>(now - connectedSince_);
        block.upTimeMs = (restarted_ ? 0 : baseBlock.upTimeMs) + grown;
    }

    // Every rated counter back to its start first: two rates may name the same counter.
    for (const RatedCounter& c : rated_) *c.value = c.start;
    for (const RatedCounter& c : rated_) *c.value += grownBy(c.perSecond, now);
    return live;
}

InterfaceScenario liveInterface(const InterfaceScenario& base, Millis now) {
    LiveLink link;
    return link.at(base, now);
}

}  // namespace zlx::sim
