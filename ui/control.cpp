#include "ui/control.h"

#include <algorithm>
#include <cctype>

namespace zlx::ui {

std::string_view controlKindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Static:
            return "static";
        case ControlKind::PushButton:
            return "button";
        case ControlKind::RadioButton:
            return "radio";
        case ControlKind::GroupBox:
            return "group";
        case ControlKind::DropDownList:
            return "list";
        case ControlKind::Edit:
            return "edit";
        case ControlKind::Progress:
            return "progress";
        case ControlKind::Icon:
            return "icon";
        case ControlKind::RichText:
            return "richtext";
        case ControlKind::Graph:
            return "graph";
    }
    return "?";
}

char accessMark(std::string_view text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        unsigned char next = static_cast<unsigned char>(text[++i]);
        if (next == '&') continue;
        // A key the keyboard gives as one ASCII character; a mark on anything else opens nothing.
        return next < 0x80 && std::isalnum(next) ? static_cast<char>(std::tolower(next)) : '\0';
    }
    return '\0';
}

std::string withoutAccessMarks(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && ++i == text.size()) break;
        shown += text[i];
    }
    return shown;
}

int compareNoCase(std::string_view a, std::string_view b) {
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        int ca = std::tolower(static_cast<unsigned char>(a[i]));
        int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

int comboAddString(Control& c, std::string_view text) {
    auto pos = c.items.end();
    if (c.style & kStyleSorted) {
        pos = std::upper_bound(
            c.items.begin(), c.items.end(), text,
            [](std::string_view t, const std::string& item) { return compareNoCase(t, item) < 0; });
    }
    auto inserted = c.items.insert(pos, std::string(text));
    int index = static_cast<int>(inserted - c.items.begin());
    if (c.selection >= index) ++c.selection;
    return index;
}

void comboAddStrings(Control& c, std::vector<std::string> texts) {
    const std::size_t before = c.items.size();
    c.items.reserve(before + texts.size());
    for (std::string& text : texts) c.items.push_back(std::move(text));
    if (!(c.style & kStyleSorted)) return;
    // The list before is sorted: a stable sort leaves each new text after the equal texts
    // already there and after the equal ones added before it, where upper_bound puts it.
    std::vector<std::size_t> order(c.items.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&c](std::size_t a, std::size_t b) {
        return compareNoCase(c.items[a], c.items[b]) < 0;
    });
    std::vector<std::string> sorted;
    sorted.reserve(order.size());
    int selection = kCbErr;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (c.selection >= 0 && order[i] == static_cast<std::size_t>(c.selection))
            selection = static_cast<int>(i);
        sorted.push_back(std::move(c.items[order[i]]));
    }
    c.items = std::move(sorted);
    c.selection = selection;
}

void comboResetContent(Control& c) {
    c.items.clear();
    c.selection = kCbErr;
}

int comboFindStringExact(const Control& c, std::string_view text) {
    for (std::size_t i = 0; i < c.items.size(); ++i) {
        if (compareNoCase(c.items[i], text) == 0) return static_cast<int>(i);
    }
    return kCbErr;
}

int comboSetCurSel(Control& c, int index) {
    if (index < 0 || index >= static_cast<int>(c.items.size())) {
        c.selection = kCbErr;
        return kCbErr;
    }
    c.selection = index;
    return index;
}

namespace {
// Rich edit keeps one kind of line break; "\r\n" and lone "\r" both become one break.
std::string normalizeBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}
}  // namespace

void richSetText(Control& c, std::string_view text) {
    c.runs.clear();
    ++c.richRewrites;
    if (!text.empty()) c.runs.push_back(TextRun{normalizeBreaks(text), 0, false, false});
    c.scrolledToEnd = false;
}

void richAppend(Control& c, std::string_view text, const CharFormat& format) {
    std::string normalized = normalizeBreaks(text);
    if (normalized.empty()) return;
    if (!c.runs.empty()) {
        TextRun& last = c.runs.back();
        if (last.color == format.color && last.bold == format.bold &&
            last.underline == format.underline) {
            last.text += normalized;
            return;
        }
    }
    c.runs.push_back(TextRun{std::move(normalized), format.color, format.bold, format.underline});
}

void richAppendPlain(Control& c, std::string_view text) {
    const TextRun plain{};
    auto isPlain = [&](const TextRun& run) {
        return run.color == plain.color && run.bold == plain.bold &&
               run.underline == plain.underline;
    };
    if (c.runs.size() > 1 || (c.runs.size() == 1 && !isPlain(c.runs[0]))) {
        std::string all;
        for (const TextRun& run : c.runs) all += run.text;
        c.runs.assign(1, TextRun{std::move(all), plain.color, plain.bold, plain.underline});
        ++c.richRewrites;
    }
    std::string normalized = normalizeBreaks(text);
    if (!normalized.empty()) {
        if (c.runs.empty())
            c.runs.push_back(
                TextRun{std::move(normalized), plain.color, plain.bold, plain.underline});
        else
            c.runs.back().text += normalized;
    }
    c.scrolledToEnd = false;
}

std::string richGetText(const Control& c) {
    std::string out;
    for (const TextRun& run : c.runs) {
        for (char ch : run.text) {
            if (ch == '\n')
                out += "\r\n";
            else
                out += ch;
        }
    }
    return out;
}

int richLineCount(const Control& c) {
    int lines = 1;
    for (const TextRun& run : c.runs)
        lines += static_cast<int>(std::count(run.text.begin(), run.text.end(), '\n'));
    return lines;
}

}  // namespace zlx::ui
