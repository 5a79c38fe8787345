#include "platform/local_files.h"
#include "sim/json_text.h"
#include "sim/scenario.h"
#include "sim/scenario_sections.h"

namespace zlx::sim {

namespace {

Scenario readScenario(const Json& document, const std::string& name) {
    Scenario s;
    s.name = name;
    readObject(Node{document, {}}, [&](ObjectReader& top) {
        top.optional("formatVersion", [](const Node& n) {
            auto version = readNumber<std::uint32_t>(n);
            if (version != kScenarioFormatVersion) {
                failAt(n.pointer, "format version " + std::to_string(version) +
                                      " is not known (this program reads version " +
                                      std::to_string(kScenarioFormatVersion) + ")");
            }
        });
        top.string("description", s.description);
        top.object("machine", [&](ObjectReader& r) { readMachine(r, s.machine); });
        top.object("folders", [&](ObjectReader& r) { readFolders(r, s.folders); });
        top.optional("registry", [&](const Node& n) { s.registry = readRegistry(n); });
        top.optional("files", [&](const Node& n) { s.files = readFiles(n, s.machine); });
        top.object("wlan", [&](ObjectReader& r) { readWlan(r, s.wlan); });
        top.object("network", [&](ObjectReader& r) { readNetwork(r, s.network); });
        top.optional("devices", [&](const Node& n) { s.devices = readDevices(n); });
        top.object("ping", [&](ObjectReader& r) { readPing(r, s.ping); });
        top.optional("product", [&](const Node& n) { s.product = readProduct(n); });
    });
    return s;
}

}  // namespace

Scenario parseScenario(std::string_view text, const std::string& name) {
    Json document;
    try {
        document = parseJsonText(text);
    } catch (const JsonTextError& e) {
        throw ScenarioError(name + ": line " + std::to_string(e.place.line) + ", column " +
                            std::to_string(e.place.column) + ": " + e.problem);
    }
    try {
        return readScenario(document, name);
    } catch (const PlaceError& e) {
        std::string place = e.pointer().empty() ? "/" : e.pointer();
        throw ScenarioError(name + ": " + place + ": " + e.what());
    } catch (const Json::exception& e) {
        // The readers check types before they convert, so this is a reader's oversight; the
        // file is still refused in one line rather than ending the program.
        throw ScenarioError(name + ": " + jsonProblem(e.what()));
    }
}

Scenario loadScenarioFile(const std::string& path) {
    LocalFileRead file = readLocalFile(path);
    if (file.status == LocalFileRead::Status::Folder)
        throw ScenarioError(path + ": is a folder, not a scenario file");
    if (file.status == LocalFileRead::Status::Unreadable)
        throw ScenarioError(path + ": cannot be read: " + file.reason);
    // The ping's output beyond what any ping keeps is dropped before the text is parsed, so a
    // scenario of a huge output costs no more than its file.
    shortenString(file.bytes, {"ping", "output"}, kPingOutputTextKept);
    shortenString(file.bytes, {"ping", "outputHex"}, 2 * kPingOutputKept);
    return parseScenario(file.bytes, path);
}

Scenario loadDefaultScenario() {
    return parseScenario(defaultScenarioText(), "scenarios/default.json (built in)");
}

}  // namespace zlx::sim
