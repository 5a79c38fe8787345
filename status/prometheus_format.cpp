#include "status/prometheus_format.h"

#include <optional>
#include <utility>

#include "platform/exposition.h"

namespace zlx::status {

namespace {

using platform::MetricType;

// The Diagnostics page's counters as the driver keeps them: metric name, display slot, help.
// The page's "ACK Frames" and "Retried Data Frames" repeat the transmitted and retried frames,
// so they are not metrics of their own.
struct CounterMetric {
    const char* name;
    std::size_t slot;
    const char* help;
};
constexpr CounterMetric kCounterMetrics[] = {
    {"zlx_frames_transmitted_ok_total", 0, "Frames the adapter transmitted successfully."},
    {"zlx_frames_retried_total", 6, "Frames the adapter transmitted again after a failure."},
    {"zlx_frames_dropped_total", 7, "Frames the adapter gave up transmitting."},
    {"zlx_no_ack_frames_total", 10, "Frames transmitted that no acknowledgement answered."},
    {"zlx_cts_frames_total", 21, "Clear-to-send frames received."},
    {"zlx_no_cts_frames_total", 22, "Request-to-send frames that no clear-to-send answered."},
    {"zlx_rts_frames_total", 8, "Request-to-send frames transmitted."},
    {"zlx_retried_rts_frames_total", 11, "Request-to-send frames transmitted again."},
    {"zlx_beacons_received_total", 18, "Beacons received."},
    {"zlx_frames_received_ok_total", 13, "Frames received without error."},
    {"zlx_frames_received_with_errors_total", 25, "Frames received with errors."},
    {"zlx_encryption_errors_total", 19, "Frames that could not be decrypted."},
    {"zlx_duplicate_frames_total", 20, "Duplicate frames received."},
    {"zlx_authentication_timeouts_total", 31, "Authentications that timed out."},
    {"zlx_standard_mic_errors_total", 32, "Frames whose message integrity check failed."},
    {"zlx_standard_mic_ok_total", 33, "Frames whose message integrity check passed."},
    {"zlx_crc_errors_total", 12, "Frames received with a CRC error."},
    {"zlx_ap_mismatches_total", 26, "Frames from an access point other than the associated one."},
    {"zlx_data_rate_mismatches_total", 27, "Frames at a data rate the link did not agree."},
    {"zlx_association_timeouts_total", 28, "Associations that timed out."},
    {"zlx_ckip_mic_errors_total", 29, "Frames whose CKIP message integrity check failed."},
    {"zlx_ckip_mic_ok_total", 30, "Frames whose CKIP message integrity check passed."},
    {"zlx_authentication_rejects_total", 23, "Authentications the access point rejected."},
    {"zlx_association_rejects_total", 24, "Associations the access point rejected."},
};

template <typename T>
void gauge(platform::Exposition& out, const char* name, const char* help,
           std::string_view interface, const std::optional<T>& value) {
    if (!value) return;
    out.family(name, MetricType::Gauge, help);
    out.sample(name, {{"interface", interface}}, *value);
}

std::optional<double> scaled(const std::optional<double>& value, double factor) {
    if (!value) return std::nullopt;
    return *value * factor;
}

void eventCounters(platform::Exposition& out, std::string_view interface,
                   const LinkEventCounts& events) {
    const std::pair<const char*, std::uint64_t> counters[] = {
        {"zlx_disconnect_events_total", events.disconnects},
        {"zlx_roam_events_total", events.roams},
        {"zlx_radio_off_events_total", events.radioOffs},
    };
    const char* helps[] = {
        "Times this watch saw the link go from associated to not associated.",
        "Times this watch saw the link change access point or channel while associated.",
        "Times this watch saw the radio switched off.",
    };
    for (std::size_t i = 0; i < std::size(counters); ++i) {
        out.family(counters[i].first, MetricType::Counter, helps[i]);
        out.sample(counters[i].first, {{"interface", interface}}, counters[i].second);
    }
}

}  // namespace

void LinkEventCounts::add(const std::vector<LinkEvent>& events) {
    for (const LinkEvent& event : events) {
        if (event.kind == LinkEventKind::Disconnect) ++disconnects;
        if (event.kind == LinkEventKind::Roam) ++roams;
        if (event.kind == LinkEventKind::RadioOff) ++radioOffs;
    }
}

std::string formatStatusPrometheus(const StatusSnapshot& s, const LinkEventCounts* events) {
    platform::Exposition out;
    const std::string_view interface = s.interfaceGuid;
    const LinkReadings& v = s.link.readings;
    // An interface with no description still has its identity.
    if (!s.adapterDescription.empty() || !interface.empty()) {
        const std::string bssid = v.bssid ? bssidText(*v.bssid) : std::string();
        out.family("zlx_wifi_info", MetricType::Gauge,
                   "The adapter, its driver's version and the network it is connected to.");
        out.sample("zlx_wifi_info",
                   {{"interface", interface},
                    {"adapter", s.adapterDescription},
                    {"driver_version", s.diagnostics.driverVersion},
                    {"ssid", v.ssid ? std::string_view(*v.ssid) : std::string_view()},
                    {"bssid", bssid}},
                   1);
    }
    if (v.radioHardwareOn.has_value() || v.radioSoftwareOn.has_value()) {
        out.family("zlx_radio_on", MetricType::Gauge,
                   "Whether the radio's switch is on (1) or off (0).");
        if (v.radioHardwareOn)
            out.sample("zlx_radio_on", {{"interface", interface}, {"switch", "hardware"}},
                       *v.radioHardwareOn);
        if (v.radioSoftwareOn)
            out.sample("zlx_radio_on", {{"interface", interface}, {"switch", "software"}},
                       *v.radioSoftwareOn);
    }
    gauge(out, "zlx_link_associated", "Whether the link is associated (1) or not (0).", interface,
          v.interfaceState ? std::optional<bool>(v.associated()) : std::nullopt);
    gauge(out, "zlx_link_channel", "The channel's number.", interface, v.channel);
    gauge(out, "zlx_link_frequency_hertz", "The channel's centre frequency.", interface,
          v.frequencyMhz ? std::optional<std::uint64_t>(std::uint64_t{*v.frequencyMhz} * 1000000)
                         : std::nullopt);
    gauge(out, "zlx_signal_strength_dbm", "The received signal strength in dBm.", interface,
          v.signalDbm);
    gauge(out, "zlx_signal_quality_ratio", "The signal quality, 0 to 1.", interface,
          v.qualityPercent ? std::optional<double>(*v.qualityPercent / 100.0) : std::nullopt);
    // Prometheus' base unit of data is the byte, so the rates are in bytes per second (an
    // eighth of the page's Mbps times a million).
    constexpr double kBytesPerSecondInMbps = 1e6 / 8;
    gauge(out, "zlx_link_receive_rate_bytes_per_second", "The link's receive rate.", interface,
          scaled(v.rxRateMbps, kBytesPerSecondInMbps));
    gauge(out, "zlx_link_transmit_rate_bytes_per_second", "The link's transmit rate.", interface,
          scaled(v.txRateMbps, kBytesPerSecondInMbps));
    gauge(out, "zlx_transmit_power_watts", "The transmit power level.", interface,
          v.txPowerMw ? std::optional<double>(*v.txPowerMw / 1000.0) : std::nullopt);
    gauge(out, "zlx_link_uptime_seconds", "How long the link has been up.", interface,
          v.upTimeSeconds);
    if (s.diagnostics.statisticsAnswered) {
        for (const CounterMetric& c : kCounterMetrics) {
            out.family(c.name, MetricType::Counter, c.help);
            out.sample(c.name, {{"interface", interface}}, s.diagnostics.counters[c.slot]);
        }
    }
    if (events) eventCounters(out, interface, *events);
    return out.take();
}

}  // namespace zlx::status
