#include "status/link_history.h"

#include <cstdio>

namespace zlx::status {

std::string bssidText(const std::array<std::uint8_t, 6>& mac) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%02X-%02X-%02X-%02X-%02X-%02X", mac[0], mac[1], mac[2],
                  mac[3], mac[4], mac[5]);
    return buffer;
}

namespace {

std::string placeText(const LinkReadings& link) {
    std::string text = link.bssid ? bssidText(*link.bssid) : "none";
    return text + " " + (link.channel ? std::to_string(*link.channel) : "none");
}

std::string switchesOff(const LinkReadings& link) {
    const bool hardware = link.radioHardwareOn == false, software = link.radioSoftwareOn == false;
    if (hardware && software) return "hardware and software";
    return hardware ? "hardware" : software ? "software" : "";
}

}  // namespace

LinkSample sampleOf(const platform::WallTime& time, platform::Millis reading,
                    const LinkSnapshot* link, const DiagnosticsSnapshot* diagnostics) {
    LinkSample sample;
    sample.time = time;
    sample.reading = reading;
    if (link) {
        sample.link = link->readings;
        sample.linkStatus = link->linkStatus;
        sample.signalText = link->signalStrength;
        sample.qualityText = link->signalQuality;
        sample.rxText = link->rxRate;
        sample.txText = link->txRate;
    }
    if (diagnostics) {
        sample.statistics = diagnostics->statisticsAnswered;
        if (diagnostics->statisticsAnswered) {
            const adapterinfo::StatisticsDisplayBlock& c = diagnostics->counters;
            sample.framesTransmitted = c[0];
            sample.framesReceived = c[13];
            sample.framesRetried = c[6];
            sample.framesDropped = c[7];
        }
    }
    return sample;
}

const char* linkEventName(LinkEventKind kind) {
    switch (kind) {
        case LinkEventKind::Disconnect:
            return "disconnect";
        case LinkEventKind::Reconnect:
            return "reconnect";
        case LinkEventKind::Roam:
            return "roam";
        case LinkEventKind::RadioOff:
            return "radioOff";
        case LinkEventKind::RadioOn:
            return "radioOn";
        case LinkEventKind::StatisticsUnavailable:
            return "statisticsUnavailable";
        case LinkEventKind::StatisticsAvailable:
            return "statisticsAvailable";
    }
    return "";
}

std::vector<LinkEvent> LinkEventTracker::observe(const LinkSample& sample, std::uint64_t number) {
    std::vector<LinkEvent> events;
    auto add = [&](LinkEventKind kind, std::string detail) {
        events.push_back({sample.time, sample.reading, kind, std::move(detail), number});
    };
    if (sample.link) {
        const LinkReadings& now = *sample.link;
        if (link_) {
            const LinkReadings& before = *link_;
            if (before.radioOn && !now.radioOn) add(LinkEventKind::RadioOff, switchesOff(now));
            if (!before.radioOn && now.radioOn) add(LinkEventKind::RadioOn, "");
            if (before.associated() && !now.associated())
                add(LinkEventKind::Disconnect, sample.linkStatus);
            if (!before.associated() && now.associated())
                add(LinkEventKind::Reconnect, placeText(now));
            const bool moved = (before.bssid && now.bssid && *before.bssid != *now.bssid) ||
                               (before.channel && now.channel && *before.channel != *now.channel);
            if (before.associated() && now.associated() && moved)
                add(LinkEventKind::Roam, placeText(before) + " -> " + placeText(now));
        }
        link_ = now;
    }
    if (sample.statistics) {
        if (statistics_ && *statistics_ && !*sample.statistics)
            add(LinkEventKind::StatisticsUnavailable, "");
        if (statistics_ && !*statistics_ && *sample.statistics)
            add(LinkEventKind::StatisticsAvailable, "");
        statistics_ = sample.statistics;
    }
    return events;
}

void LinkHistory::add(const LinkSample& sample) {
    for (LinkEvent& event : tracker_.observe(sample, added_)) events_.push(std::move(event));
    samples_.push(sample);
    ++added_;
}

}  // namespace zlx::status
