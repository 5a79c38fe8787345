#include "ui/control.h"

#include <gtest/gtest.h>

#include <map>

#include "ui/window_menu.h"

namespace zlx::ui {
namespace {

Control sortedList() {
    Control c;
    c.kind = ControlKind::DropDownList;
    c.style = kStyleSorted;
    return c;
}

TEST(ComboTest, SortedInsertionIgnoresCaseAndKeepsSelectionOnItsEntry) {
    Control c = sortedList();
    comboAddString(c, " beta");
    comboAddString(c, "*Alpha");
    comboSetCurSel(c, 0);                       // " beta" (blank sorts before the asterisk)
    EXPECT_EQ(comboAddString(c, " ALPHA"), 0);  // ' ' sorts before '*' and 'b'
    EXPECT_EQ(c.items, (std::vector<std::string>{" ALPHA", " beta", "*Alpha"}));
    EXPECT_EQ(c.items[c.selection], " beta");
}

TEST(ComboTest, AddingManyAtOnceEndsAsAddingThemOneByOne) {
    struct Case {
        std::vector<std::string> before;
        int selected;
        std::vector<std::string> added;
    };
    const Case cases[] = {
        {{}, -1, {" b", "*a", " A", " a", "*A", " c"}},
        {{" a", " b", " c"}, 1, {" B", "*b", " a", " 0"}},
        {{" z"}, 0, {}},
        {{" same", " SAME"}, 1, {" Same", " same"}},
    };
    for (bool sorted : {true, false}) {
        for (const Case& t : cases) {
            Control one = sorted ? sortedList() : Control{};
            one.kind = ControlKind::DropDownList;
            for (const std::string& text : t.before) comboAddString(one, text);
            comboSetCurSel(one, t.selected);
            Control many = one;
            for (const std::string& text : t.added) comboAddString(one, text);
            comboAddStrings(many, t.added);
            EXPECT_EQ(many.items, one.items) << sorted << " " << t.added.size();
            EXPECT_EQ(many.selection, one.selection) << sorted << " " << t.added.size();
        }
    }
}

TEST(ComboTest, UnsortedListKeepsOrder) {
    Control c;
    c.kind = ControlKind::DropDownList;
    comboAddString(c, "b");
    comboAddString(c, "a");
    EXPECT_EQ(c.items, (std::vector<std::string>{"b", "a"}));
}

TEST(ComboTest, ExactSearchIgnoresCaseButNotLength) {
    Control c = sortedList();
    comboAddString(c, " Office");
    comboAddString(c, " Office 2");
    EXPECT_EQ(comboFindStringExact(c, " OFFICE"), 0);
    EXPECT_EQ(comboFindStringExact(c, " Offic"), kCbErr);
    EXPECT_EQ(comboFindStringExact(c, "Office"), kCbErr);
}

TEST(ComboTest, SelectingOutOfRangeClearsTheSelection) {
    Control c = sortedList();
    comboAddString(c, "x");
    EXPECT_EQ(comboSetCurSel(c, 0), 0);
    for (int index : {-1, 1, 7}) {
        comboSetCurSel(c, 0);
        EXPECT_EQ(comboSetCurSel(c, index), kCbErr) << index;
        EXPECT_EQ(c.selection, kCbErr) << index;
    }
    comboResetContent(c);
    EXPECT_TRUE(c.items.empty());
}

TEST(RichTextTest, ReadingGivesCrLfWhateverBreaksWereWritten) {
    Control c;
    c.kind = ControlKind::RichText;
    richAppend(c, "one\r\ntwo\n", {});
    richAppend(c, "three\rfour", {0xFF0000, true, false});
    EXPECT_EQ(richGetText(c), "one\r\ntwo\r\nthree\r\nfour");
    EXPECT_EQ(richLineCount(c), 4);
}

TEST(RichTextTest, AppendKeepsRunsAndSetTextDropsFormatting) {
    Control c;
    c.kind = ControlKind::RichText;
    richAppend(c, "a", {0x0000FF, true, false});
    richAppend(c, "b", {0x0000FF, true, false});  // same format: one run
    richAppend(c, "c", {0x000000, false, true});
    ASSERT_EQ(c.runs.size(), 2u);
    EXPECT_EQ(c.runs[0], (TextRun{"ab", 0x0000FF, true, false}));
    EXPECT_EQ(c.runs[1], (TextRun{"c", 0, false, true}));
    richSetText(c, "plain");
    ASSERT_EQ(c.runs.size(), 1u);
    EXPECT_EQ(c.runs[0], (TextRun{"plain", 0, false, false}));
    richSetText(c, "");
    EXPECT_TRUE(c.runs.empty());
    EXPECT_EQ(richLineCount(c), 1);
}

// A plain append is what writing the whole text again would give, and tells a view whether
// it may just follow the end.
TEST(RichTextTest, PlainAppendIsTheWholeTextWrittenAgain) {
    const CharFormat red{0xFF0000, true, false};
    struct Step {
        bool plain;
        const char* text;
    };
    std::vector<std::vector<Step>> sequences = {
        {{true, "one"}, {true, "\r\ntwo"}, {true, "\rthree"}},
        {{false, "name\n"}, {true, "line"}, {false, "more\n"}, {true, "\r\nend"}},
        {{true, ""}, {false, "x"}, {true, ""}},
    };
    for (const auto& steps : sequences) {
        Control fast, slow;
        fast.kind = slow.kind = ControlKind::RichText;
        for (const Step& step : steps) {
            std::uint64_t before = fast.richRewrites;
            bool formatted = fast.runs.size() > 1 || (fast.runs.size() == 1 && fast.runs[0].bold);
            if (step.plain) {
                richAppendPlain(fast, step.text);
                richSetText(slow, richGetText(slow) + step.text);
                EXPECT_EQ(fast.richRewrites, before + (formatted ? 1 : 0));
            } else {
                richAppend(fast, step.text, red);
                richAppend(slow, step.text, red);
                EXPECT_EQ(fast.richRewrites, before);
            }
            EXPECT_EQ(fast.runs, slow.runs) << step.text;
        }
    }
}

TEST(TitleSlugTest, TitlesBecomeShortFileNames) {
    const std::map<std::string, std::string> cases = {
        {"ZLX Client Diagnostics", "zlx-client-diagnostics"},
        {"About QORDEX", "about-qordex"},
        {"  Test -- Window (2) ", "test-window-2"},
        {"Pr\xC3\xBC"
         "fung",
         "pr-fung"},
        {"", "window"},
        {"***", "window"},
    };
    for (const auto& [title, slug] : cases) EXPECT_EQ(titleSlug(title), slug) << title;
}

}  // namespace
}  // namespace zlx::ui
