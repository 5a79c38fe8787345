#include <gtest/gtest.h>

#include "app/command_line.h"
#include "app/help_locale.h"

namespace zlx::app {
namespace {

TEST(CommandLineTest, ServiceControlIsOffExactlyWithUAndWithoutD) {
    struct Case {
        std::vector<std::string> args;
        bool off;
    };
    const Case cases[] = {
        {{}, false},
        {{"-u"}, true},
        {{"-U"}, true},
        {{"-U", "-D"}, false},
        {{"-d", "-u"}, false},
        {{"-u", "-d"}, false},
        {{"-a"}, false},
        {{"-a", "-u"}, true},
        {{"-ux"}, false},
        {{"u"}, false},
        {{"--scenario-file", "-u"}, true},
    };
    for (const Case& c : cases) {
        context::CommandLineFlags flags;
        applyCommandLine(c.args, flags);
        std::string joined;
        for (const auto& a : c.args) joined += a + " ";
        EXPECT_EQ(flags.serviceControlOff, c.off) << joined;
    }
}

TEST(HelpLocaleTest, NamesByLanguageIdentifier) {
    const std::pair<std::uint16_t, const char*> cases[] = {
        {0x0409, "en-US"}, {0x0809, "en-UK"},    {0x0C0A, "es-ES"},
        {0x0407, "de-DE"}, {0x2409, "en"},  // sublanguage 9 of English is an empty entry
        {0x4C09, "en"},                     // sublanguage 19: beyond the list
        {0x0009, "en"},                     // sublanguage 0: no suffix
        {0x041A, "hr-HR"}, {0x081A, "hr.La_YU"}, {0x0446, "pa-IN"},
        {0x040F, "is"},   // a language without a region list
        {0x0466, ""},     // 102: empty entry
        {0x0400, ""},     // 0
        {0x047A, ""},     // 122: outside the table
        {0x0479, "pap"},  // 121
        {0x0401, "ar-SA"}, {0x4001, "ar-QA"},
    };
    for (auto [id, name] : cases) EXPECT_EQ(helpLocaleName(id), name) << std::hex << id;
}

TEST(HelpLocaleTest, HelpFilePathFollowsTheFormat) {
    EXPECT_EQ(helpFilePath("C:\\Suite\\", "en-US"), "C:\\Suite\\help\\en-US\\PelornHelp.chm");
    EXPECT_EQ(helpFilePath("\\", ""), "\\help\\\\PelornHelp.chm");
    EXPECT_EQ(helpFilePath(std::string(2000, 'x'), "en-US").size(), 1023u);
}

}  // namespace
}  // namespace zlx::app
