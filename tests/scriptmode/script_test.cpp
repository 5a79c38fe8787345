#include "scriptmode/script.h"

#include <gtest/gtest.h>

#include "scriptmode/dump.h"

namespace zlx::scriptmode {
namespace {

TEST(ScriptTest, ParsesCommandsSkippingCommentsAndBlankLines) {
    auto commands = parseScript("# start\n\ntab 1\r\nclick 16\nsave-as /tmp/a b.txt\n  dump  \n");
    ASSERT_EQ(commands.size(), 4u);
    EXPECT_EQ(commands[0].line, 3);
    EXPECT_EQ(commands[0].args, std::vector<std::string>{"1"});
    EXPECT_EQ(commands[2].args, std::vector<std::string>{"/tmp/a b.txt"});  // blanks kept
    EXPECT_EQ(commands[3].name, "dump");
}

TEST(ScriptTest, RefusesUnknownCommandsAndWrongArgumentCountsWithTheLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"dump\nfrobnicate\n", "script line 2: unknown command \"frobnicate\""},
        {"tab\n", "script line 1: wrong number of arguments for \"tab\""},
        {"select 1004\n", "script line 1: wrong number of arguments for \"select\""},
        {"close now\n", "script line 1: wrong number of arguments for \"close\""},
    };
    for (auto [text, message] : cases) {
        try {
            parseScript(text);
            ADD_FAILURE() << text;
        } catch (const ScriptError& e) {
            EXPECT_STREQ(e.what(), message);
        }
    }
}

TEST(DumpTest, QuotedEscapesWhatWouldBreakALine) {
    EXPECT_EQ(quoted("a\"b\\c\r\nd\te"), R"("a\"b\\c\r\nd\te")");
}

}  // namespace
}  // namespace zlx::scriptmode
