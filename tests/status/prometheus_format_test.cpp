// The status as Prometheus metrics: names, types and units, the info metric's labels escaped as
// the exposition format says, and values that did not arrive left out, never written as 0.

#include "status/prometheus_format.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

namespace zlx::status {
namespace {

StatusSnapshot connected() {
    StatusSnapshot s;
    s.adapterDescription = "Norvane ZLX";
    s.interfaceGuid = "3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c";
    LinkReadings& v = s.link.readings;
    v.interfaceState = 1;
    v.radioHardwareOn = true;
    v.radioSoftwareOn = true;
    v.ssid = "Office";
    v.bssid = std::array<std::uint8_t, 6>{0x00, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F};
    v.channel = 6;
    v.frequencyMhz = 2437;
    v.signalDbm = -51;
    v.qualityPercent = 83;
    v.rxRateMbps = 5.5;
    v.txRateMbps = 144.0;
    v.txPowerMw = 50;
    v.upTimeSeconds = 5027;
    s.diagnostics.statisticsAnswered = true;
    s.diagnostics.counters[0] = 184857;
    s.diagnostics.counters[13] = 18446744073709551615u;
    s.diagnostics.driverVersion = "7.1.0.4";
    return s;
}

// Every sample follows the # HELP and # TYPE lines of its own family, and no line holds a
// control character: what a parser and a terminal need.
void expectWellFormed(const std::string& text) {
    std::istringstream lines(text);
    std::string line, family;
    int comments = 0;
    while (std::getline(lines, line)) {
        for (char c : line) ASSERT_FALSE(static_cast<unsigned char>(c) < 0x20) << line;
        if (line.starts_with("# HELP ")) {
            family = line.substr(7, line.find(' ', 7) - 7);
            comments = 1;
        } else if (line.starts_with("# TYPE ")) {
            EXPECT_EQ(line.substr(7, line.find(' ', 7) - 7), family) << line;
            ++comments;
        } else {
            EXPECT_EQ(comments, 2) << line;
            EXPECT_EQ(line.substr(0, line.find_first_of("{ ")), family) << line;
        }
    }
}

TEST(PrometheusFormatTest, NamesTypesLabelsAndValuesThatDidNotArrive) {
    const std::string g = "{interface=\"3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c\"}";
    struct Case {
        const char* name;
        std::function<void(StatusSnapshot&)> change;
        const LinkEventCounts* events;
        std::vector<std::string> present, absent;
    };
    const LinkEventCounts watched{2, 1, 3};
    const Case cases[] = {
        {"connected",
         [](StatusSnapshot&) {},
         nullptr,
         {"# TYPE zlx_wifi_info gauge\nzlx_wifi_info{interface=\"3f2a6c1e-8b4d-4e7a-9c15-"
          "2d7e8f0a1b3c\",adapter=\"Norvane ZLX\",driver_version=\"7.1.0.4\",ssid=\"Office\","
          "bssid=\"00-1B-2C-3D-4E-5F\"} 1\n",
          "# TYPE zlx_radio_on gauge\n",
          "zlx_radio_on{interface=\"3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c\",switch=\"hardware\"} "
          "1\n",
          "zlx_link_associated" + g + " 1\n", "zlx_link_channel" + g + " 6\n",
          "zlx_link_frequency_hertz" + g + " 2437000000\n",
          "# TYPE zlx_signal_strength_dbm gauge\nzlx_signal_strength_dbm" + g + " -51\n",
          "zlx_signal_quality_ratio" + g + " 0.83\n",
          "zlx_link_receive_rate_bytes_per_second" + g + " 687500\n",
          "zlx_link_transmit_rate_bytes_per_second" + g + " 18000000\n",
          "zlx_transmit_power_watts" + g + " 0.05\n", "zlx_link_uptime_seconds" + g + " 5027\n",
          "# TYPE zlx_frames_transmitted_ok_total counter\nzlx_frames_transmitted_ok_total" + g +
              " 184857\n",
          "zlx_frames_received_ok_total" + g + " 18446744073709551615\n"},
         {"zlx_disconnect_events_total", "zlx_ack_frames", "zlx_retried_data"}},
        {"label values escaped",
         [](StatusSnapshot& s) {
             s.link.readings.ssid = "a\"b\\c";
             s.diagnostics.driverVersion = "7.1\nbeta\x1b[2J";
         },
         nullptr,
         {"driver_version=\"7.1\\nbeta\xEF\xBF\xBD[2J\",ssid=\"a\\\"b\\\\c\""},
         {}},
        {"radio off: the link's readings did not arrive",
         [](StatusSnapshot& s) {
             LinkReadings& v = s.link.readings;
             v.interfaceState = 0;
             v.radioHardwareOn = false;
             v.ssid.reset();
             v.bssid.reset();
             v.frequencyMhz.reset();
             v.signalDbm.reset();
             v.qualityPercent = 0;
             v.rxRateMbps.reset();
             v.txRateMbps.reset();
             v.txPowerMw.reset();
             v.upTimeSeconds.reset();
         },
         nullptr,
         {"driver_version=\"7.1.0.4\"} 1\n", "switch=\"hardware\"} 0\n",
          "zlx_link_associated" + g + " 0\n", "zlx_signal_quality_ratio" + g + " 0\n"},
         {"ssid=", "bssid=", "zlx_link_frequency_hertz", "zlx_signal_strength_dbm",
          "rate_bytes_per_second", "zlx_transmit_power_watts", "zlx_link_uptime_seconds"}},
        {"statistics did not answer",
         [](StatusSnapshot& s) { s.diagnostics.statisticsAnswered = false; },
         nullptr,
         {"zlx_signal_strength_dbm" + g + " -51\n"},
         {"_total"}},
        {"a watch counts the link's events",
         [](StatusSnapshot&) {},
         &watched,
         {"# TYPE zlx_disconnect_events_total counter\nzlx_disconnect_events_total" + g + " 2\n",
          "zlx_roam_events_total" + g + " 1\n", "zlx_radio_off_events_total" + g + " 3\n"},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StatusSnapshot snapshot = connected();
        c.change(snapshot);
        const std::string text = formatStatusPrometheus(snapshot, c.events);
        expectWellFormed(text);
        for (const std::string& part : c.present)
            EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
        for (const std::string& part : c.absent)
            EXPECT_EQ(text.find(part), std::string::npos) << part << "\n" << text;
    }
    // A machine without an adapter has no value at all.
    EXPECT_EQ(formatStatusPrometheus(StatusSnapshot{}), "");
}

}  // namespace
}  // namespace zlx::status
