#include "ui/control.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zlx::ui
