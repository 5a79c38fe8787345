// Inputs that once ended the program with a crash or an uncaught exception: each must be
// refused with one line naming the place.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "sim/json_text.h"
#include "sim/scenario.h"
#include "support/temp_dir.h"

namespace zlx::sim {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;
using zlx::testing::TempDir;

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

// A ping output far beyond what any ping keeps is cut in the text before it is parsed, so that
// reading it costs no more than its file; what the ping sees is unchanged.
TEST(HostileScenario, APingOutputIsKeptOnlyAsFarAsAPingReadsIt) {
    struct Case {
        std::string text;
        std::string kept;  // the JSON text left of the value at ping/output
    };
    const std::string e = "\xc3\xa9";  // one UTF-8 character of two bytes
    const Case cases[] = {
        {R"({"ping": {"output": "abcdef"}})", "abc"},
        {R"({"ping": {"output": "ab"}})", "ab"},
        // Escapes, UTF-8 characters and surrogate pairs are kept whole or not at all.
        {R"({"ping": {"output": "a\u00e9b"}})", "a"},
        {R"({"ping": {"output": "ab\"c"}})", "ab"},
        {"{\"ping\": {\"output\": \"ab" + e + "c\"}}", "ab"},
        // Other values, and the same key elsewhere, stay.
        {R"({"output": "abcdef", "ping": {"x": ["abcdef"]}})", ""},
        {R"({"ping": {"durationMs": 1, /* "output": */ "output": "abcdef"}})", "abc"},
        {R"({"a": {"ping": {"output": "abcdef"}}})", ""},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        shortenString(text, {"ping", "output"}, 3);
        auto document = parseJsonText(text);
        if (c.kept.empty()) {
            EXPECT_EQ(text, c.text);
        } else {
            std::string expected = c.text;
            std::size_t start = expected.rfind("\"output\": \"") + 11;
            expected.replace(start, expected.find("\"}", start) - start, c.kept);
            EXPECT_EQ(text, expected) << c.text;
        }
    }

    TempDir dir;
    std::string path = dir.file("big-ping.json");
    std::string output(2'000'000, 'x');
    std::ofstream(path) << R"({"ping": {"output": ")" << output << R"("}})";
    Scenario scenario = loadScenarioFile(path);
    EXPECT_EQ(scenario.ping.output, output.substr(0, kPingOutputKept));
    std::ofstream(path) << R"({"ping": {"outputHex": ")" << std::string(1'000'000, 'a') << R"("}})";
    EXPECT_EQ(loadScenarioFile(path).ping.output, std::string(kPingOutputKept, '\xaa'));
}

}  // namespace
}  // namespace zlx::sim
