#include "platform/registry_key.h"

#include <gtest/gtest.h>

#include "platform/text.h"
#include "sim/sim_machine.h"

namespace zlx::platform {
namespace {

TEST(RegistryKeyTest, QueryStringByValueType) {
    const std::string longPath(1500, 'p');
    const std::string json = R"({"registry": [{"key": "HKLM\\Software\\Test", "values": {
        "Plain": "C:\\Suite",
        "Expand": {"expandSz": "%ProgramFiles%\\Suite"},
        "Number": 7,
        "Long": ")" + longPath +
                             R"(",
        "NoNul": {"type": 1, "raw": "41004200"},
        "Odd": {"type": 1, "raw": "410042"}
    }}]})";
    platform::ManualClock clock;
    auto scenario = sim::parseScenario(json, "registry.json");
    sim::SimMachine machine(scenario, clock);

    struct Case {
        const char* value;
        bool found;
        std::string text;
    };
    const Case cases[] = {
        {"Plain", true, "C:\\Suite"},
        {"Expand", true, "%ProgramFiles%\\Suite"},  // returned as stored
        {"Number", false, "unchanged"},
        {"Missing", false, "unchanged"},
        {"Long", true, longPath},  // longer than the first buffer: read again
        {"NoNul", true, "AB"},
        {"Odd", true, "A\xEF\xBF\xBD"},  // a lone last byte: U+FFFD, nothing read past the data
    };
    for (const Case& c : cases) {
        RegistryKey key(machine.registry());
        ASSERT_EQ(key.open(platform::kHkeyLocalMachine, "software\\TEST", platform::kKeyRead), 0);
        std::string text = "unchanged";
        EXPECT_EQ(key.queryString(c.value, text), c.found) << c.value;
        EXPECT_EQ(text, c.text) << c.value;
    }
    EXPECT_EQ(machine.openRegistryKeys(), 0u);
}

}  // namespace
}  // namespace zlx::platform
