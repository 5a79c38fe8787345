// Inputs that once ended the program with a crash or an uncaught exception: each must be
// refused with one line naming the place.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "sim/scenario.h"

namespace zlx::sim {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

std::string refusal(std::string_view text) {
    try {
        parseScenario(text, "s.json");
    } catch (const ScenarioError& e) {
        return e.what();
    }
    return "(accepted)";
}

TEST(HostileScenario, EveryStoredReproducerIsRefusedInOneLine) {
    std::filesystem::path folder = std::string(ZLX_SOURCE_DIR) + "/tests/hostile-inputs/scenarios";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        ++files;
        try {
            loadScenarioFile(entry.path().string());
            ADD_FAILURE() << entry.path() << " was accepted";
        } catch (const ScenarioError& e) {
            std::string message = e.what();
            EXPECT_THAT(message, StartsWith(entry.path().string() + ": line ")) << message;
            EXPECT_THAT(message, Not(HasSubstr("\n")));
            EXPECT_THAT(message, Not(HasSubstr("json.exception")));
        }
    }
    EXPECT_GE(files, 3);
}

TEST(HostileScenario, NumbersBeyondADoubleAndDeepNestingNameTheirPlace) {
    struct Case {
        std::string text;
        std::string message;
    };
    const std::string deep50000 =
        "{\"description\": " + std::string(50000, '[') + std::string(50000, ']') + "}";
    const std::string deep40000 =
        "{\"description\": " + std::string(40000, '[') + std::string(40000, ']') + "}";
    const Case cases[] = {
        {"1e400", "s.json: line 1, column 5: number overflow parsing '1e400'"},
        {"{\n  \"wlan\": {\"openResult\": -1e999}}",
         "s.json: line 2, column 31: number overflow parsing '-1e999'"},
        {deep50000, "s.json: line 1, column 80: values nested deeper than 64 levels"},
        {deep40000, "s.json: line 1, column 80: values nested deeper than 64 levels"},
        // Brackets inside strings and comments do not count.
        {"{\"description\": \"" + std::string(100, '[') + "\" /* [[[[ */}", "(accepted)"},
        {"{\"description\": " + std::string(65, '[') + std::string(65, ']') + "}",
         "s.json: line 1, column 80: values nested deeper than 64 levels"},
        {"{\"description\": " + std::string(63, '[') + std::string(63, ']') + "}",
         "s.json: /description: expected a string, got "
         "[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[..."},
        {"{\"description\": [{\"a\": \"" + std::string(5000, 'x') + "\"}]}",
         "s.json: /description: expected a string, got "
         "[{\"a\":\"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx..."},
    };
    for (const Case& c : cases) EXPECT_EQ(refusal(c.text), c.message) << c.text.substr(0, 40);
}

}  // namespace
}  // namespace zlx::sim
