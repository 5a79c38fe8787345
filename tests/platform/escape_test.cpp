#include <gtest/gtest.h>

#include "platform/text.h"

namespace zlx::platform {
namespace {

// What a terminal would act on never reaches it; everything else is shown as it is.
TEST(EscapeControls, ControlsBidiAndBrokenUtf8BecomeVisibleEscapes) {
    struct Case {
        std::string text;
        std::string shown;
    };
    const Case cases[] = {
        {"ZLX Office \xC3\xA9 \xE2\x82\xAC C:\\Windows \"x\"",
         "ZLX Office \xC3\xA9 \xE2\x82\xAC C:\\Windows \"x\""},
        {std::string("a\0b", 3), "a\\x00b"},
        {"\x1B[2J\x07\x7F", "\\x1b[2J\\x07\\x7f"},
        {"a\r\n\tb", "a\\r\\n\\tb"},
        {"\xC2\x9B"
         "31m",
         "\\u009b31m"},  // C1 CSI
        {"\xE2\x80\xAE"
         "evil\xE2\x80\xAC.txt",
         "\\u202eevil\\u202c.txt"},
        {"\xE2\x81\xA6\xE2\x81\xA9\xE2\x80\x8E\xE2\x80\x8F", "\\u2066\\u2069\\u200e\\u200f"},
        // The line and paragraph separators break lines as \n does.
        {"a\xE2\x80\xA8"
         "b\xE2\x80\xA9",
         "a\\u2028b\\u2029"},
        {"\xE2\x80\x8B", "\xE2\x80\x8B"},  // zero width space: not a control
        {"\xFF\xC3(", "\\xff\\xc3("},
        {"\xEF\xBF\xBD", "\xEF\xBF\xBD"},  // a real U+FFFD stays
    };
    for (const Case& c : cases) {
        EXPECT_EQ(escapeControls(c.text), c.shown);
        EXPECT_EQ(escapeControls(c.shown), c.shown) << "escaping twice changes nothing";
    }
    EXPECT_EQ(escapeControls("a\"b\\c\n", Escape::Yes), "a\\\"b\\\\c\\n");
    EXPECT_EQ(escapeControls("line 1\n\x1B line 2\xE2\x80\xA8", Escape::No, Escape::No),
              "line 1\n\\x1b line 2\\u2028");
}

}  // namespace
}  // namespace zlx::platform
