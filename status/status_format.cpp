#include "status/status_format.h"

#include <algorithm>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "platform/text.h"
#include "resources/status_rows.h"
#include "resources/string_table.h"
#include "status/status_rows.h"
#include "status/status_text.h"
#include "ui/control.h"
#include "wlan/failure_text.h"

namespace zlx::status {

namespace {

using Json = nlohmann::ordered_json;

// A page's label without its colon.
std::string label(int id) {
    std::string text = ui::withoutAccessMarks(resources::stringOr(id, ""));
    while (!text.empty() && (text.back() == ':' || text.back() == ' ')) text.pop_back();
    return text;
}

template <typename T>
Json orNull(const std::optional<T>& value) {
    return value ? Json(*value) : Json(nullptr);
}

Json textOrNull(const std::string& text) {
    return text.empty() || text == noneText() ? Json(nullptr) : Json(text);
}

// One of the pages' own words, as its static draws it.
Json wordOrNull(const std::string& text) {
    return textOrNull(ui::withoutAccessMarks(text));
}

Json switchOf(const std::optional<bool>& on) {
    return on ? Json(*on ? "on" : "off") : Json(nullptr);
}

std::string macText(const std::array<std::uint8_t, 6>& mac) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%02X-%02X-%02X-%02X-%02X-%02X", mac[0], mac[1], mac[2],
                  mac[3], mac[4], mac[5]);
    return buffer;
}

std::string dump(const Json& json, int indent) {
    return json.dump(indent, ' ', false, Json::error_handler_t::replace);
}

// Builds the document in memory, for the pretty-printed --status.
class DocumentSink {
  public:
    explicit DocumentSink(Json& document) : open_{&document} {}
    void put(const char* key, Json value) { (*open_.back())[key] = std::move(value); }
    void open(const char* key) {
        Json& object = (*open_.back())[key];
        object = Json::object();
        open_.push_back(&object);
    }
    void close() { open_.pop_back(); }

  private:
    std::vector<Json*> open_;
};

// Writes one compact object straight into a line, each value as the document's dump writes it,
// without building the document first: --watch writes one every sample.
class LineSink {
  public:
    explicit LineSink(std::string& out) : out_(out) { out_ += '{'; }
    void put(const char* key, const Json& value) {
        name(key);
        if (value.is_null()) {
            out_ += "null";
        } else if (value.is_number_unsigned()) {
            out_ += std::to_string(value.get<std::uint64_t>());
        } else if (value.is_number_integer()) {
            out_ += std::to_string(value.get<std::int64_t>());
        } else if (value.is_string() && plain(value.get_ref<const std::string&>())) {
            out_ += '"';
            out_ += value.get_ref<const std::string&>();
            out_ += '"';
        } else {
            out_ += dump(value, -1);
        }
    }
    void open(const char* key) {
        name(key);
        out_ += '{';
        first_ = true;
    }
    void close() {
        out_ += '}';
        first_ = false;
    }
    void finish() { out_ += "}\n"; }

  private:
    // Printable ASCII that JSON writes as it is.
    static bool plain(const std::string& text) {
        return std::all_of(text.begin(), text.end(),
                           [](char c) { return c >= 0x20 && c < 0x7F && c != '"' && c != '\\'; });
    }
    void name(const char* key) {
        if (!first_) out_ += ',';
        first_ = false;
        out_ += '"';
        out_ += key;
        out_ += "\":";
    }
    std::string& out_;
    bool first_ = true;
};

// The status's keys and values in order, for either sink below, so the pretty document of
// --status and the compact lines of --watch never disagree.
template <typename Sink>
void putStatus(Sink& o, const StatusSnapshot& s) {
    const LinkSnapshot& l = s.link;
    const LinkReadings& v = l.readings;
    o.put("adapter", s.adapterDescription);
    o.put("ssid", orNull(v.ssid));
    o.put("bssid", v.bssid ? Json(macText(*v.bssid)) : Json(nullptr));
    o.put("profile", textOrNull(l.profileName));
    o.put("linkStatus", wordOrNull(l.linkStatus));
    o.put("wirelessServiceResult", Json(l.serviceResult));
    o.put("networkType", wordOrNull(l.networkType));
    o.put("wirelessMode", wordOrNull(l.wirelessMode));
    o.put("channel", orNull(v.channel));
    o.put("frequencyMhz", orNull(v.frequencyMhz));
    o.put("signalDbm", orNull(v.signalDbm));
    o.put("signalQualityPercent", orNull(v.qualityPercent));
    o.put("signalQualityWord", wordOrNull(l.signalWord));
    o.put("rxRateMbps", orNull(v.rxRateMbps));
    o.put("txRateMbps", orNull(v.txRateMbps));
    o.put("authentication", wordOrNull(l.authentication));
    o.put("encryption", wordOrNull(l.encryption));
    o.put("serverAuthentication", wordOrNull(l.serverAuthentication));
    o.open("radio");
    o.put("hardware", switchOf(v.radioHardwareOn));
    o.put("software", switchOf(v.radioSoftwareOn));
    o.close();
    o.put("powerSave", wordOrNull(l.powerSave));
    o.put("txPowerMw", orNull(v.txPowerMw));
    o.put("upTimeSeconds", orNull(v.upTimeSeconds));
    o.put("ipAddress", textOrNull(l.ipAddress));
    const DiagnosticsSnapshot& d = s.diagnostics;
    o.put("driverAccessDenied", Json(d.driverAccessDenied));
    o.open("counters");
    forEachCounter([&](const resources::StatusRow&, const CounterValue& c) {
        o.put(c.key, d.counterAnswered(c.slot) ? Json(d.counters[c.slot]) : Json(nullptr));
    });
    o.close();
}

// Rows end in CR LF, as RFC 4180 has them.
constexpr const char* kCsvLineEnd = "\r\n";

// A text cell. One that starts with a character a spreadsheet reads as the start of a formula
// (= + - @, TAB or CR) gets a leading apostrophe and quotes, as OWASP's
// guidance on CSV injection has it, so the cell is shown as the text it is and never run. A
// cell holding a comma, a quote or a line break is quoted, quotes doubled.
std::string csvField(const std::string& text) {
    const bool formula =
        !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
    if (!formula && text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = formula ? "\"'" : "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

template <typename T>
std::string csvNumber(const std::optional<T>& value) {
    if (!value) return std::string();
    if constexpr (std::is_floating_point_v<T>) {
        return platform::generalNumber(*value);
    } else {
        return std::to_string(*value);
    }
}

std::string csvSwitch(const std::optional<bool>& on) {
    return on ? (*on ? "on" : "off") : "";
}

constexpr int kCsvColumns = 20;

// Columns a label takes in a terminal: one per character.
std::size_t codePoints(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace

std::string formatStatusText(const StatusSnapshot& s) {
    const LinkSnapshot& l = s.link;
    const DiagnosticsSnapshot& d = s.diagnostics;
    std::vector<std::pair<std::string, std::string>> rows;
    // The shown rows of the Current Status page, then those of the Advanced Status dialog that
    // the page does not show already.
    std::vector<std::string LinkSnapshot::*> printed;
    auto linkRows = [&](const auto& table) {
        for (const resources::StatusRow& row : table) {
            const LinkValue* value = linkValueOf(row.valueControl);
            if (row.hidden() || !value) continue;
            if (value->field) {
                if (std::find(printed.begin(), printed.end(), value->field) != printed.end())
                    continue;
                printed.push_back(value->field);
            }
            std::string text = linkText(l, row.valueControl);
            // The pages' own words as their statics draw them ("Short && Long" draws "Short &
            // Long"); names from outside are written as they are.
            if (!value->outsideName) text = ui::withoutAccessMarks(text);
            rows.emplace_back(label(row.labelString), std::move(text));
        }
    };
    linkRows(resources::kLinkStatusRows);
    rows.emplace_back(label(resources::kIdsSignalStrengthLabel),
                      ui::withoutAccessMarks(l.signalWord));
    // The page shows the radio's row only while the radio is off.
    if (!l.radioStatus.empty())
        rows.emplace_back(label(resources::kIdsRadioStatusLabel),
                          ui::withoutAccessMarks(l.radioStatus));
    linkRows(resources::kAdvancedStatusRows);
    // The Diagnostics page.
    for (const resources::StatusRow& row : resources::kAdapterRows)
        if (!row.hidden())
            rows.emplace_back(label(row.labelString), diagnosticsText(d, row.valueControl));
    forEachCounter([&](const resources::StatusRow& row, const CounterValue& c) {
        if (!row.hidden())
            rows.emplace_back(label(row.labelString), d.counterAnswered(c.slot)
                                                          ? std::to_string(d.counters[c.slot])
                                                          : noneText());
    });
    std::size_t width = 0;
    for (const auto& row : rows) width = std::max(width, codePoints(row.first));
    // The description is a name from outside, like the values below.
    std::string out =
        s.adapterDescription.empty() ? noneText() : platform::escapeControls(s.adapterDescription);
    // The values the driver refused read "none" below; this says why, and what helps.
    if (d.driverAccessDenied)
        out += "\n" + wlan::wlanFailureText(platform::kErrorAccessDenied) + "\n" +
               wlan::wlanFailureAdvice(platform::kErrorAccessDenied);
    out += "\n\n";
    for (const auto& [name, value] : rows) {
        out += name + std::string(width - codePoints(name), ' ') + " : ";
        out += platform::escapeControls(value) + "\n";
    }
    return out;
}

std::string formatStatusJson(const StatusSnapshot& snapshot) {
    Json o;
    o["formatVersion"] = 1;
    DocumentSink sink(o);
    putStatus(sink, snapshot);
    return dump(o, 2) + "\n";
}

std::string formatSampleJsonLine(const platform::WallTime& time, const StatusSnapshot& snapshot) {
    std::string line;
    line.reserve(1024);
    LineSink sink(line);
    sink.put("time", platform::formatIso8601(time));
    sink.put("type", "sample");
    putStatus(sink, snapshot);
    sink.finish();
    return line;
}

std::string formatEventJsonLine(const LinkEvent& event) {
    Json o;
    o["time"] = platform::formatIso8601(event.time);
    o["type"] = "event";
    o["event"] = linkEventName(event.kind);
    o["detail"] = event.detail;
    return dump(o, -1) + "\n";
}

std::string csvHeader() {
    return "time,type,event,detail,linkStatus,ssid,bssid,channel,frequencyMhz,signalDbm,"
           "signalQualityPercent,rxRateMbps,txRateMbps,radioHardware,radioSoftware,statistics,"
           "framesTransmittedOk,framesReceivedOk,framesRetried,framesDropped" +
           std::string(kCsvLineEnd);
}

std::string csvSampleRow(const LinkSample& s) {
    std::vector<std::string> cells = {platform::formatIso8601(s.time), "sample", "", ""};
    if (s.link) {
        const LinkReadings& v = *s.link;
        // A text that is not available is an empty cell, as it is null in JSON.
        const std::string status = ui::withoutAccessMarks(s.linkStatus);
        cells.push_back(csvField(status == noneText() ? std::string() : status));
        cells.push_back(csvField(v.ssid.value_or("")));
        cells.push_back(v.bssid ? macText(*v.bssid) : "");
        cells.push_back(csvNumber(v.channel));
        cells.push_back(csvNumber(v.frequencyMhz));
        cells.push_back(csvNumber(v.signalDbm));
        cells.push_back(csvNumber(v.qualityPercent));
        cells.push_back(csvNumber(v.rxRateMbps));
        cells.push_back(csvNumber(v.txRateMbps));
        cells.push_back(csvSwitch(v.radioHardwareOn));
        cells.push_back(csvSwitch(v.radioSoftwareOn));
    } else {
        cells.resize(15);
    }
    cells.push_back(s.statistics ? (*s.statistics ? "available" : "unavailable") : "");
    cells.push_back(csvNumber(s.framesTransmitted));
    cells.push_back(csvNumber(s.framesReceived));
    cells.push_back(csvNumber(s.framesRetried));
    cells.push_back(csvNumber(s.framesDropped));
    std::string row;
    for (std::size_t i = 0; i < cells.size(); ++i) row += (i ? "," : "") + cells[i];
    return row + kCsvLineEnd;
}

std::string csvEventRow(const LinkEvent& event) {
    std::string row = platform::formatIso8601(event.time) + ",event," + linkEventName(event.kind) +
                      "," + csvField(event.detail);
    return row + std::string(kCsvColumns - 4, ',') + kCsvLineEnd;
}

std::string historyCsv(const LinkHistory& history) {
    std::string out = csvHeader();
    const auto& samples = history.samples();
    const auto& events = history.events();
    const std::uint64_t first = history.added() - samples.size();
    std::size_t e = 0;
    // Events of samples that are gone already are gone with them.
    while (e < events.size() && events[e].sample < first) ++e;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        for (; e < events.size() && events[e].sample == first + i; ++e)
            out += csvEventRow(events[e]);
        out += csvSampleRow(samples[i]);
    }
    return out;
}

}  // namespace zlx::status
