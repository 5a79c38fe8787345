#pragma once
// Controls of a dialog with their Windows semantics, as plain data plus the operations the
// system uses on them. A renderer reads this state; it never decides anything.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/graph.h"

namespace zlx::ui {

enum class ControlKind {
    Static,
    PushButton,
    RadioButton,
    GroupBox,
    DropDownList,
    Edit,
    Progress,
    Icon,
    RichText,
    Graph,
};

std::string_view controlKindName(ControlKind kind);

// Position and size in dialog units.
struct DialogRect {
    int x = 0, y = 0, width = 0, height = 0;
};

// Styles of a control template.
enum ControlStyle : std::uint32_t {
    kStyleNone = 0,
    kStyleHidden = 1u << 0,
    kStyleDisabled = 1u << 1,
    kStyleDefault = 1u << 2,   // default push button
    kStyleSorted = 1u << 3,    // drop-down list sorts its entries
    kStyleReadOnly = 1u << 4,  // edit
    kStyleEllipsis = 1u << 5,  // static: word ellipsis when the text does not fit
    kStyleCentered = 1u << 6,  // static: centred text
    kStyleMultiLine = 1u << 7,
    // static: drawn whole, in a smaller size of the dialog font when the text is wider than
    // the control (a counter of up to 20 digits in a narrow column)
    kStyleFitWidth = 1u << 12,
    // In a window that can be resized, how the control follows the window's size: its right
    // or bottom edge keeps its distance to the window's (the control grows), or the whole
    // control moves with that edge.
    kStyleGrowRight = 1u << 8,
    kStyleGrowDown = 1u << 9,
    kStyleFollowRight = 1u << 10,
    kStyleFollowBottom = 1u << 11,
};

// One formatted run of a rich text control.
struct TextRun {
    std::string text;                // line breaks as "\n"
    std::uint32_t color = 0x000000;  // 0xRRGGBB
    bool bold = false;
    bool underline = false;
    friend bool operator==(const TextRun&, const TextRun&) = default;
};

struct CharFormat {
    std::uint32_t color = 0x000000;
    bool bold = false;
    bool underline = false;
};

inline constexpr int kCbErr = -1;

struct Control {
    int id = 0;
    ControlKind kind = ControlKind::Static;
    std::string text;
    DialogRect rect;
    std::uint32_t style = kStyleNone;
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    int iconId = 0;  // Icon kind
    // DropDownList
    std::vector<std::string> items;
    int selection = kCbErr;
    // Progress
    int rangeMin = 0, rangeMax = 100, position = 0;
    // RichText
    std::vector<TextRun> runs;
    // Counts the times the runs were replaced rather than added to: between two replacements a
    // run only ever grows at its end and runs are only added after it, so a view can follow
    // with the new part alone.
    std::uint64_t richRewrites = 0;
    bool scrolledToEnd = false;
    // Graph
    Graph graph;
};

// Drop-down list (CB_ADDSTRING, CB_FINDSTRINGEXACT ...). Sorted insertion and the exact search
// ignore case, as the Windows control does.
int comboAddString(Control& c, std::string_view text);
// Adds the texts in their order with the outcome of one comboAddString each: the same items,
// positions and selection. A sorted list sorts once, where one insertion at a time moves the
// list's tail for every text.
void comboAddStrings(Control& c, std::vector<std::string> texts);
void comboResetContent(Control& c);
int comboFindStringExact(const Control& c, std::string_view text);
// Selects `index`, or nothing for -1 or an index out of range (then returns kCbErr).
int comboSetCurSel(Control& c, int index);

// Rich text (EM_* / WM_SETTEXT). Setting the whole text drops all formatting.
void richSetText(Control& c, std::string_view text);
void richAppend(Control& c, std::string_view text, const CharFormat& format);
// What setting the whole text to the current text followed by `text` does (every run in the
// default format), at the cost of `text` once the runs are plain.
void richAppendPlain(Control& c, std::string_view text);
// The text with "\r\n" line breaks, as reading the control gives it.
std::string richGetText(const Control& c);
int richLineCount(const Control& c);

// The character a text marks with a single "&" as its access key ("&&" draws one "&"), in
// lower case; 0 when it marks none.
char accessMark(std::string_view text);
// What a static control draws of its text: the marks go, and "&&" draws one "&".
std::string withoutAccessMarks(std::string_view text);

// Case-insensitive comparison of the Windows list controls (ASCII and UTF-8 bytes above).
int compareNoCase(std::string_view a, std::string_view b);

}  // namespace zlx::ui
