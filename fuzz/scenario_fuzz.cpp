// Scenario files are the simulated machine's untrusted input: any bytes must end in a Scenario
// or one ScenarioError, never a crash, a hang or another exception.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "sim/scenario.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        zlx::sim::parseScenario(text, "fuzz.json");
    } catch (const zlx::sim::ScenarioError&) {
    }
    return 0;
}
