// The ping's output is bytes of another program in the OEM code page: any bytes (NUL, lone
// carriage returns, no line break, very long lines, more than is kept) go through the network
// test's decoding into the report, whose JSON must parse and whose text must hold no raw
// control byte.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "report_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const zlx::sim::Scenario machine = zlx::sim::loadDefaultScenario();
    zlx::sim::Scenario scenario = machine;
    // The first byte picks how often the input repeats, so short inputs reach the cap too.
    std::size_t repeat = size > 0 ? 1 + data[0] % 4 * 20000 : 1;
    std::string bytes(reinterpret_cast<const char*>(data) + (size > 0), size - (size > 0));
    scenario.ping.output.clear();
    for (std::size_t k = 0; k < repeat && scenario.ping.output.size() < 4 * 1024 * 1024; ++k)
        scenario.ping.output += bytes;
    scenario.ping.durationMs = 10;
    zlx::fuzzing::checkReport(scenario);
    return 0;
}
