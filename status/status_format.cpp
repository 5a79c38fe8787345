#include "status/status_format.h"

#include <algorithm>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "platform/text.h"
#include "resources/string_table.h"
#include "status/status_text.h"
#include "wlan/failure_text.h"

namespace zlx::status {

namespace {

using Json = nlohmann::ordered_json;

// A page's label without its colon.
std::string label(int id) {
    std::string text = resources::stringOr(id, "");
    while (!text.empty() && (text.back() == ':' || text.back() == ' ')) text.pop_back();
    return text;
}

// The Diagnostics page's counters: label, key, display slot, and whether the page shows it.
struct Counter {
    int labelId;
    const char* key;
    std::size_t slot;
    bool shown;
};
constexpr Counter kCounters[] = {
    {233, "framesTransmittedOk", 0, true},
    {234, "framesRetried", 6, true},
    {235, "framesDropped", 7, true},
    {236, "noAckFrames", 10, true},
    {237, "ctsFrames", 21, true},
    {238, "noCtsFrames", 22, true},
    {239, "rtsFrames", 8, true},
    {240, "retriedDataFrames", 6, true},
    {241, "retriedRtsFrames", 11, true},
    {242, "ackFrames", 0, true},
    {244, "beaconsReceived", 18, true},
    {245, "framesReceivedOk", 13, true},
    {246, "framesReceivedWithErrors", 25, true},
    {247, "encryptionErrors", 19, true},
    {248, "duplicateFrames", 20, true},
    {250, "authenticationTimeouts", 31, true},
    {251, "standardMicErrors", 32, true},
    {252, "standardMicOk", 33, true},
    {253, "crcErrors", 12, true},
    {254, "apMismatches", 26, false},
    {255, "dataRateMismatches", 27, false},
    {256, "associationTimeouts", 28, true},
    {257, "ckipMicErrors", 29, false},
    {258, "ckipMicOk", 30, false},
    {259, "authenticationRejects", 23, true},
    {260, "associationRejects", 24, true},
};

template <typename T>
Json orNull(const std::optional<T>& value) {
    return value ? Json(*value) : Json(nullptr);
}

Json textOrNull(const std::string& text) {
    return text.empty() || text == noneText() ? Json(nullptr) : Json(text);
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
    o.put("linkStatus", textOrNull(l.linkStatus));
    o.put("wirelessServiceResult", Json(l.serviceResult));
    o.put("networkType", textOrNull(l.networkType));
    o.put("wirelessMode", textOrNull(l.wirelessMode));
    o.put("channel", orNull(v.channel));
    o.put("frequencyMhz", orNull(v.frequencyMhz));
    o.put("signalDbm", orNull(v.signalDbm));
    o.put("signalQualityPercent", orNull(v.qualityPercent));
    o.put("signalQualityWord", textOrNull(l.signalWord));
    o.put("rxRateMbps", orNull(v.rxRateMbps));
    o.put("txRateMbps", orNull(v.txRateMbps));
    o.put("authentication", textOrNull(l.authentication));
    o.put("encryption", textOrNull(l.encryption));
    o.put("serverAuthentication", textOrNull(l.serverAuthentication));
    o.open("radio");
    o.put("hardware", switchOf(v.radioHardwareOn));
    o.put("software", switchOf(v.radioSoftwareOn));
    o.close();
    o.put("powerSave", textOrNull(l.powerSave));
    o.put("txPowerMw", orNull(v.txPowerMw));
    o.put("upTimeSeconds", orNull(v.upTimeSeconds));
    o.put("ipAddress", textOrNull(l.ipAddress));
    const DiagnosticsSnapshot& d = s.diagnostics;
    o.put("driverAccessDenied", Json(d.driverAccessDenied));
    o.open("counters");
    for (const Counter& c : kCounters)
        o.put(c.key, d.counterAnswered(c.slot) ? Json(d.counters[c.slot]) : Json(nullptr));
    o.close();
}

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
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
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%g", *value);
        return buffer;
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
    auto shown = [](const std::string& text) { return text.empty() ? noneText() : text; };
    std::vector<std::pair<std::string, std::string>> rows = {
        // The Current Status page.
        {label(225), shown(l.profileName)},
        {label(1185), l.linkStatus},
        {label(1186), l.networkType},
        {label(1187), l.wirelessMode},
        {label(231), l.channel},
        {label(1082), l.encryption},
        {label(1080), l.serverAuthentication},
        {label(227), shown(l.ipAddress)},
        {label(228), l.signalWord},
    };
    // The page shows the radio's row only while the radio is off.
    if (!l.radioStatus.empty()) rows.emplace_back(label(229), l.radioStatus);
    const std::pair<std::string, std::string> advanced[] = {
        {label(1018), l.ssid},
        {label(1023), l.authentication},
        {label(1024), noneText()},
        {label(1025), l.qos},
        {label(1035), l.apMac},
        {label(1039), l.powerSave},
        {label(1043), l.powerLevel},
        {label(1044), l.powerLevelsA},
        {label(1076), l.powerLevelsBg},
        {label(1216), l.signalStrength},
        {label(1217), l.signalQuality},
        {label(1218), l.upTime},
        {label(1219), l.preamble},
        {label(1220), l.rxRate},
        {label(1084), l.txRate},
        {label(1066), l.frequency},
        {label(1072), l.channelSet},
        // The Diagnostics page.
        {label(261), d.cardName},
        {label(262), d.macAddress},
        {label(263), d.driver},
        {label(264), d.driverVersion},
        {label(265), d.driverDate},
        {label(266), platform::displaySafeName(d.clientName)},
    };
    rows.insert(rows.end(), std::begin(advanced), std::end(advanced));
    for (const Counter& c : kCounters)
        if (c.shown)
            rows.emplace_back(label(c.labelId), d.counterAnswered(c.slot)
                                                    ? std::to_string(d.counters[c.slot])
                                                    : noneText());
    std::size_t width = 0;
    for (const auto& row : rows) width = std::max(width, codePoints(row.first));
    std::string out = s.adapterDescription.empty() ? noneText() : s.adapterDescription;
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
           "framesTransmittedOk,framesReceivedOk,framesRetried,framesDropped\n";
}

std::string csvSampleRow(const LinkSample& s) {
    std::vector<std::string> cells = {platform::formatIso8601(s.time), "sample", "", ""};
    if (s.link) {
        const LinkReadings& v = *s.link;
        cells.push_back(csvField(s.linkStatus));
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
    return row + "\n";
}

std::string csvEventRow(const LinkEvent& event) {
    std::string row = platform::formatIso8601(event.time) + ",event," + linkEventName(event.kind) +
                      "," + csvField(event.detail);
    return row + std::string(kCsvColumns - 4, ',') + "\n";
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
