// The status as it leaves the program: --status (text, JSON, Prometheus), --watch (JSON lines,
// CSV) and the Signal History's CSV, over names from outside at their worst: control bytes,
// bytes that are not UTF-8, the line separators, formula prefixes, names of 100,000 bytes.
// Each output keeps its promise: the JSON parses and carries the names, and a --watch line says
// what the --status document says; a JSON line is one line; a CSV record parses back into its
// 20 cells, and a cell a spreadsheet would read as a formula is a number; the text and the
// exposition hold nothing that misleads a reader, and a name never adds a line to them.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/text.h"
#include "status/link_history.h"
#include "status/prometheus_format.h"
#include "status/status_format.h"
#include "status/status_text.h"
#include "ui/control.h"

namespace {

using namespace zlx;
using Json = nlohmann::ordered_json;

void require(bool condition) {
    if (!condition) std::abort();
}

bool validUtf8(std::string_view text) {
    return platform::sanitizeUtf8(text) == text;
}

// Every code point of valid UTF-8 text, line breaks aside, is one a reader can trust.
void requireShowable(std::string_view text) {
    require(validUtf8(text));
    const std::u16string units = platform::utf8ToUtf16(text);
    for (std::size_t i = 0; i < units.size(); ++i) {
        char32_t cp = units[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < units.size())
            cp = 0x10000 + ((cp - 0xD800) << 10) + (units[++i] - 0xDC00);
        require(cp == '\n' || !platform::misleadsReader(cp));
    }
}

std::size_t lines(std::string_view text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

// Every text of a snapshot, in one list, so a check can put other names in their place.
template <typename Each>
void forEachText(status::StatusSnapshot& s, Each each) {
    status::LinkSnapshot& l = s.link;
    for (std::string* text : {&s.adapterDescription,
                              &s.interfaceGuid,
                              &l.profileName,
                              &l.linkStatus,
                              &l.networkType,
                              &l.wirelessMode,
                              &l.channel,
                              &l.encryption,
                              &l.serverAuthentication,
                              &l.ipAddress,
                              &l.radioStatus,
                              &l.signalWord,
                              &l.ssid,
                              &l.authentication,
                              &l.qos,
                              &l.mfp,
                              &l.apMac,
                              &l.powerSave,
                              &l.powerLevel,
                              &l.powerLevelsA,
                              &l.powerLevelsBg,
                              &l.signalStrength,
                              &l.signalQuality,
                              &l.upTime,
                              &l.preamble,
                              &l.rxRate,
                              &l.txRate,
                              &l.frequency,
                              &l.channelSet,
                              &s.diagnostics.cardName,
                              &s.diagnostics.macAddress,
                              &s.diagnostics.driver,
                              &s.diagnostics.driverVersion,
                              &s.diagnostics.driverDate,
                              &s.diagnostics.clientName,
                              &s.diagnostics.serialNumber})
        each(*text);
    if (l.readings.ssid) each(*l.readings.ssid);
}

// The same snapshot with every name that is there replaced by a plain one.
status::StatusSnapshot plainTwin(status::StatusSnapshot s) {
    forEachText(s, [](std::string& text) {
        if (!text.empty()) text = "x";
    });
    return s;
}

// A snapshot whose texts are names from the input, taken in turn; now and then one of them is
// 100,000 bytes long (not when the input has run out: its integers then read 0).
status::StatusSnapshot snapshotOf(FuzzedDataProvider& in) {
    status::StatusSnapshot s;
    status::LinkReadings& v = s.link.readings;
    if (in.ConsumeBool()) v.ssid.emplace();
    std::vector<std::string> names;
    for (int i = 0; i < 8; ++i) names.push_back(in.ConsumeRandomLengthString(512));
    std::vector<std::string*> texts;
    forEachText(s, [&](std::string& text) {
        text = names[texts.size() % names.size()];
        texts.push_back(&text);
    });
    if (in.ConsumeIntegralInRange(0, 31) == 31) {
        std::string& text = *texts[in.ConsumeIntegralInRange<std::size_t>(0, texts.size() - 1)];
        for (std::string part = text.empty() ? "=" : text; text.size() < 100000;) text += part;
        text.resize(100000);
    }
    if (in.ConsumeBool()) v.bssid = {0x00, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F};
    if (in.ConsumeBool()) v.frequencyMhz = in.ConsumeIntegral<std::uint32_t>();
    if (in.ConsumeBool()) v.signalDbm = in.ConsumeIntegral<std::int32_t>();
    if (in.ConsumeBool()) v.qualityPercent = in.ConsumeIntegral<std::uint32_t>();
    if (in.ConsumeBool()) v.rxRateMbps = in.ConsumeIntegral<std::uint32_t>() / 2.0;
    if (in.ConsumeBool()) v.txRateMbps = in.ConsumeIntegral<std::uint32_t>() / 2.0;
    if (in.ConsumeBool()) v.txPowerMw = in.ConsumeIntegral<int>();
    if (in.ConsumeBool()) v.upTimeSeconds = in.ConsumeIntegral<std::uint64_t>();
    if (in.ConsumeBool()) s.link.serviceResult = in.ConsumeIntegral<std::uint32_t>();
    status::DiagnosticsSnapshot& d = s.diagnostics;
    d.driverAccessDenied = in.ConsumeBool();
    const auto counter = in.ConsumeIntegral<std::uint64_t>();
    const auto answered = in.ConsumeIntegral<std::uint64_t>();
    for (std::size_t i = 0; i < d.counters.size(); ++i) {
        d.counters[i] = counter - i;
        d.answered[i] = (answered >> i & 1) != 0;
    }
    return s;
}

// The link between two samples: it comes and goes, roams, its radio and its statistics come and
// go, and its status is another name.
void moveLink(FuzzedDataProvider& in, status::StatusSnapshot& s) {
    status::LinkReadings& v = s.link.readings;
    v.interfaceState = in.ConsumeIntegralInRange<std::uint32_t>(0, 8);
    v.radioOn = in.ConsumeBool();
    v.radioHardwareOn = in.ConsumeBool();
    v.radioSoftwareOn = in.ConsumeBool();
    v.channel = in.ConsumeIntegralInRange<std::uint32_t>(1, 3);
    if (v.bssid) (*v.bssid)[5] = in.ConsumeIntegralInRange<std::uint8_t>(0, 2);
    s.diagnostics.statisticsAnswered = in.ConsumeBool();
    s.link.linkStatus = in.ConsumeRandomLengthString(512);
}

// A name as the JSON carries it: itself, or with U+FFFD for what is not UTF-8.
void carries(const Json& value, const std::string& name) {
    require(value.is_string() &&
            value.get_ref<const std::string&>() == platform::sanitizeUtf8(name));
}

void checkJson(const status::StatusSnapshot& s, const platform::WallTime& time) {
    const std::string text = status::formatStatusJson(s);
    require(Json::accept(text));
    Json document = Json::parse(text);
    carries(document["adapter"], s.adapterDescription);
    if (s.link.readings.ssid) carries(document["ssid"], *s.link.readings.ssid);
    const std::string& profile = s.link.profileName;
    if (profile.empty() || profile == status::noneText())
        require(document["profile"].is_null());
    else
        carries(document["profile"], profile);

    const std::string line = status::formatSampleJsonLine(time, s);
    require(line.find('\n') == line.size() - 1);
    require(Json::accept(line));
    Json sample = Json::parse(line);
    require(sample["type"] == "sample");
    sample.erase("time");
    sample.erase("type");
    document.erase("formatVersion");
    require(sample == document);
}

// RFC 4180 records, each ended by CR LF; a malformed one aborts.
std::vector<std::vector<std::string>> parseCsv(std::string_view text) {
    std::vector<std::vector<std::string>> records;
    std::size_t i = 0;
    while (i < text.size()) {
        std::vector<std::string> cells;
        for (;;) {
            std::string cell;
            if (i < text.size() && text[i] == '"') {
                for (++i;; ++i) {
                    require(i < text.size());
                    if (text[i] == '"') {
                        if (i + 1 < text.size() && text[i + 1] == '"') {
                            cell += '"';
                            ++i;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    cell += text[i];
                }
            } else {
                for (; i < text.size() && text[i] != ',' && text[i] != '\r'; ++i) {
                    require(text[i] != '"' && text[i] != '\n');
                    cell += text[i];
                }
            }
            cells.push_back(std::move(cell));
            require(i < text.size());
            if (text[i] == ',') {
                ++i;
                continue;
            }
            require(text.substr(i, 2) == "\r\n");
            i += 2;
            break;
        }
        records.push_back(std::move(cells));
    }
    return records;
}

constexpr std::size_t kCsvColumns = 20;

// A cell that starts as a formula would is a number, nothing else.
void requireNoFormula(const std::string& cell) {
    if (cell.empty() || std::string_view("=+-@\t\r").find(cell.front()) == std::string_view::npos)
        return;
    char* end = nullptr;
    std::strtod(cell.c_str(), &end);
    require(end == cell.c_str() + cell.size() && cell.find_first_of("nN") == std::string::npos);
}

// A text as its cell carries it, an apostrophe before what would start a formula.
std::string cellOf(const std::string& text) {
    const bool formula =
        !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
    return formula ? "'" + text : text;
}

std::vector<std::vector<std::string>> checkedCsv(std::string_view text) {
    auto records = parseCsv(text);
    for (const auto& cells : records) {
        require(cells.size() == kCsvColumns);
        for (const std::string& cell : cells) requireNoFormula(cell);
    }
    return records;
}

void checkCsv(const status::LinkSample& sample, const status::LinkEvent& event) {
    auto row = checkedCsv(status::csvSampleRow(sample));
    require(row.size() == 1 && row[0][1] == "sample");
    if (sample.link) {
        const std::string shown = ui::withoutAccessMarks(sample.linkStatus);
        require(row[0][4] == (shown == status::noneText() ? "" : cellOf(shown)));
        require(row[0][5] == cellOf(sample.link->ssid.value_or("")));
    }
    auto events = checkedCsv(status::csvEventRow(event));
    require(events.size() == 1 && events[0][1] == "event" && events[0][3] == cellOf(event.detail));

    const std::string line = status::formatEventJsonLine(event);
    require(line.find('\n') == line.size() - 1);
    require(Json::accept(line));
    Json json = Json::parse(line);
    require(json["event"] == status::linkEventName(event.kind));
    carries(json["detail"], event.detail);
}

void checkHistory(const status::LinkHistory& history) {
    auto records = checkedCsv(status::historyCsv(history));
    require(!records.empty() && records[0] == checkedCsv(status::csvHeader())[0]);
    std::size_t samples = 0;
    for (std::size_t r = 1; r < records.size(); ++r) samples += records[r][1] == "sample";
    require(samples == history.samples().size());
}

// "# HELP" and "# TYPE" lines, and samples `name{label="value",...} number`.
void checkExposition(const std::string& text, const std::string& plain) {
    requireShowable(text);
    require(lines(text) == lines(plain) && (text.empty() || text.back() == '\n'));
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        std::string_view line(text.data() + start, end - start);
        start = end + 1;
        if (line.starts_with("# HELP ") || line.starts_with("# TYPE ")) continue;
        std::size_t i = 0;
        while (i < line.size() && (std::isalnum(static_cast<unsigned char>(line[i])) ||
                                   line[i] == '_' || line[i] == ':'))
            ++i;
        require(i > 0);
        if (i < line.size() && line[i] == '{') {
            for (++i; i < line.size() && line[i] != '}';) {
                while (i < line.size() && line[i] != '=') ++i;
                require(line.substr(i, 2) == "=\"");
                for (i += 2; i < line.size() && line[i] != '"'; ++i)
                    if (line[i] == '\\') require(line.substr(++i, 1).find_first_of("\\\"n") == 0);
                require(i < line.size());
                if (++i < line.size() && line[i] == ',') ++i;
            }
            require(i < line.size());
            ++i;
        }
        require(line.substr(i, 1) == " " && line.find(' ', i + 1) == std::string_view::npos);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    platform::WallTime time;
    time.local = platform::ManualClock::defaultWallStart();
    time.millis = in.ConsumeIntegralInRange(0, 999);
    time.utcOffsetMinutes = in.ConsumeIntegralInRange(-840, 840);

    const std::size_t samples = in.ConsumeIntegralInRange<std::size_t>(0, 6);
    status::StatusSnapshot s = snapshotOf(in);
    moveLink(in, s);
    const status::StatusSnapshot plain = plainTwin(s);
    const std::string text = status::formatStatusText(s);
    requireShowable(text);
    require(lines(text) == lines(status::formatStatusText(plain)));
    checkJson(s, time);
    status::LinkEventCounts counts;
    checkExposition(status::formatStatusPrometheus(s, &counts),
                    status::formatStatusPrometheus(plain, &counts));

    // A watch's samples and the Signal History's, the link read or not on each, and an event
    // named after the link's status.
    status::LinkHistory history;
    for (std::size_t k = 0; k < samples; ++k) {
        if (k > 0) moveLink(in, s);
        const bool link = in.ConsumeBool(), diagnostics = in.ConsumeBool();
        const status::LinkSample sample =
            status::sampleOf(time, static_cast<platform::Millis>(k) * 2000,
                             link ? &s.link : nullptr, diagnostics ? &s.diagnostics : nullptr);
        status::LinkEvent event;
        event.time = time;
        event.kind = static_cast<status::LinkEventKind>(in.ConsumeIntegralInRange(0, 6));
        event.detail = s.link.linkStatus;
        checkCsv(sample, event);
        history.add(sample);
    }
    checkHistory(history);
    return 0;
}
