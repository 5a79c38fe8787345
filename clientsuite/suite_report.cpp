#include "clientsuite/suite_report.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <utility>
#include <vector>

#include "platform/text.h"
#include "testwindow/line_format.h"
#include "wlan/failure_text.h"

namespace zlx::clientsuite {

namespace {

// The lines of a test's text, which may break with "\r\n" or "\n".
std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::size_t stop = end > start && text[end - 1] == '\r' ? end - 1 : end;
        lines.push_back(text.substr(start, stop - start));
        start = end + 1;
    }
    return lines;
}

// The details as label and value pairs; a line without a label has a null label.
nlohmann::ordered_json detailItems(const GenericTest& test) {
    nlohmann::ordered_json items = nlohmann::ordered_json::array();
    for (const DetailLine& detail : test.detailLines()) {
        nlohmann::ordered_json label = nullptr;
        if (auto text = detailLabel(detail)) {
            // The window's padding is not part of the label.
            text->erase(text->find_last_not_of(' ') + 1);
            label = *text;
        }
        items.push_back({{"label", std::move(label)}, {"value", detail.value}});
    }
    return items;
}

struct AdapterField {
    const char* key;
    const char* label;  // nothing for a key of the JSON alone
    std::string value;
};

// How the adapter was chosen: the JSON word and the text's words. Without the wireless
// service nobody could tell whether the machine has an interface: the words say why.
std::pair<std::string, std::string> choiceWords(const ReportAdapter& adapter) {
    switch (adapter.choice) {
        case AdapterChoice::FirstInterface:
            return {"firstInterface", "the first wireless interface"};
        case AdapterChoice::Named:
            return {"adapterOption", "--adapter"};
        case AdapterChoice::NoInterface:
            break;
    }
    if (adapter.listResult != platform::kErrorSuccess)
        return {"serviceFailed", "none: " + wlan::wlanFailureText(adapter.listResult)};
    return {"noInterface", "none: the machine has no wireless interface"};
}

// The radio's word: "none" when the service could not be asked.
std::string radioWord(const ClientReport& report) {
    if (wlan::serviceUnavailable(report.details.serviceResult)) return adapterinfo::valueOrNone({});
    return report.details.radioOn ? "on" : "off";
}

std::vector<AdapterField> adapterFields(const ClientReport& report) {
    const adapterinfo::AdapterDetails& d = report.details;
    return {{"description", "Adapter", d.requestedName},
            {"interfaceGuid", "Interface", report.adapter.guidText},
            {"chosenBy", "Chosen by", choiceWords(report.adapter).second},
            {"name", "Name", d.adapterName},
            {"macAddress", "MAC address", d.macAddress},
            {"ipAddress", "IP address", d.ipAddress},
            {"driverPath", "Driver file", d.driverPath},
            {"driverFileVersion", "Driver version", d.driverFileVersion},
            {"driverFileDate", "Driver date", d.driverFileDate},
            {"driverFileLastWrite", nullptr, d.driverFileLastWrite},
            {"profileName", "Profile", d.profileName}};
}

}  // namespace

const char* statusWord(TestStatus status) {
    switch (status) {
        case TestStatus::Failed:
            return "failed";
        case TestStatus::Passed:
            return "passed";
        case TestStatus::NotRun:
            return "notRun";
        case TestStatus::Bypassed:
            return "bypassed";
        case TestStatus::Aborted:
            return "aborted";
        case TestStatus::Authenticating:
            return "authenticating";
    }
    return "failed";
}

int reportExitStatus(const TestSuite& suite) {
    for (const auto& test : suite.tests())
        if (test->status() != TestStatus::Passed && test->status() != TestStatus::Bypassed)
            return 1;
    return 0;
}

std::string formatReportText(const ClientReport& report) {
    using adapterinfo::valueOrNone;
    std::string out = adapterinfo::runHeaderText(report.header) + "\n";
    auto line = [&out](const std::string& text) { out += platform::escapeControls(text) + "\n"; };
    for (const AdapterField& field : adapterFields(report))
        if (field.label) line(std::string(field.label) + ": " + valueOrNone(field.value));
    line("Radio: " + radioWord(report));
    for (const auto& test : report.suite.tests()) {
        out += "\n";
        line(test->name() + ": " + statusWord(test->status()));
        line("  " + test->description());
        line("  Result: " + valueOrNone(test->result()));
        if (!test->detailLines().empty()) line("  Details:");
        for (const DetailLine& detail : test->detailLines()) {
            // A label whose value is empty is shown alone in the window; here it says so.
            if (auto label = detailLabel(detail))
                line("    " + testwindow::detailsLine(*label, valueOrNone(detail.value)));
            else
                for (const std::string& text : linesOf(detail.value + "\r\n")) line("    " + text);
        }
        for (const std::string& advice : linesOf(test->advice())) line("  Advice: " + advice);
    }
    return out;
}

std::string formatReportJson(const ClientReport& report) {
    nlohmann::ordered_json adapter = nlohmann::ordered_json::object();
    for (const AdapterField& field : adapterFields(report)) adapter[field.key] = field.value;
    adapter["chosenBy"] = choiceWords(report.adapter).first;
    adapter["wirelessServiceResult"] = report.adapter.listResult;
    if (wlan::serviceUnavailable(report.details.serviceResult))
        adapter["radioOn"] = nullptr;
    else
        adapter["radioOn"] = report.details.radioOn != 0;
    nlohmann::ordered_json tests = nlohmann::ordered_json::array();
    for (const auto& test : report.suite.tests()) {
        nlohmann::ordered_json entry;
        entry["id"] = test->id();
        entry["name"] = test->name();
        entry["description"] = test->description();
        entry["status"] = statusWord(test->status());
        entry["result"] = test->result();
        entry["details"] = linesOf(test->details());
        entry["detailItems"] = detailItems(*test);
        entry["advice"] = linesOf(test->advice());
        tests.push_back(std::move(entry));
    }
    const adapterinfo::RunHeader& h = report.header;
    nlohmann::ordered_json run = {
        {"startedAt", h.startedAt},
        {"computerName", h.computerName},
        {"programVersion", h.programVersion},
        {"windowsVersion", adapterinfo::windowsVersionText(h.osVersionCode, h.servicePackMajor)},
        {"osVersionCode", h.osVersionCode},
        {"servicePackMajor", h.servicePackMajor}};
    nlohmann::ordered_json document;
    document["formatVersion"] = 1;
    document["passed"] = reportExitStatus(report.suite) == 0;
    document["run"] = std::move(run);
    document["adapter"] = std::move(adapter);
    document["tests"] = std::move(tests);
    // Text that is not UTF-8 (an SSID's raw octets) is replaced, never refused.
    return document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

}  // namespace zlx::clientsuite
