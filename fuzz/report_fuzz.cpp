// The report over any machine a scenario can describe: whatever the scenario says, the JSON a
// script reads parses and the text holds no raw control byte.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "report_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    zlx::sim::Scenario scenario;
    try {
        scenario = zlx::sim::parseScenario(text, "fuzz.json");
    } catch (const zlx::sim::ScenarioError&) {
        return 0;
    }
    zlx::fuzzing::checkReport(scenario);
    return 0;
}
