#include "ui/accessible.h"

#include <cmath>
#include <cstdlib>

#include "platform/text.h"

namespace zlx::ui {

namespace {

// Rows are 8 dialog units high; a control beside a label starts at most this far from its top.
constexpr int kSameRow = 3;
// A log or a list below its label starts at most this far under the label's top.
constexpr int kBelowLabel = 16;

bool isLabel(const Control& c) {
    return c.kind == ControlKind::Static && c.visible && !c.text.empty() && c.text.back() == ':';
}

std::string labelName(const Control& label) {
    std::string text = withoutAccessMarks(label.text);
    while (!text.empty() && (text.back() == ':' || text.back() == ' ')) text.pop_back();
    return text;
}

// The label a control stands beside (on its row, to its left) or under (just above it, at its
// left edge): the nearest one before it in the window's order.
const Control* labelOf(const std::vector<Control>& controls, std::size_t index) {
    const DialogRect& r = controls[index].rect;
    for (std::size_t i = index; i-- > 0;) {
        const Control& c = controls[i];
        if (!isLabel(c)) continue;
        const bool beside = std::abs(c.rect.y - r.y) <= kSameRow && c.rect.x < r.x;
        const bool above = c.rect.y < r.y && r.y - c.rect.y <= kBelowLabel && c.rect.x == r.x;
        if (beside || above) return &c;
    }
    return nullptr;
}

std::string numberText(double value) {
    return platform::generalNumber(value);
}

// A bar's word is the static right after it on its row ("Good").
std::string barValue(const std::vector<Control>& controls, std::size_t index) {
    const Control& bar = controls[index];
    const int span = bar.rangeMax - bar.rangeMin;
    const int percent = span > 0 ? (bar.position - bar.rangeMin) * 100 / span : 0;
    std::string value = std::to_string(percent) + " %";
    if (index + 1 < controls.size()) {
        const Control& next = controls[index + 1];
        if (next.kind == ControlKind::Static && next.visible && !next.text.empty() &&
            std::abs(next.rect.y - bar.rect.y) <= kSameRow)
            value = withoutAccessMarks(next.text) + ", " + value;
    }
    return value;
}

}  // namespace

AccessibleText accessibleText(const Dialog& window, const Control& control) {
    const std::vector<Control>& controls = window.controls();
    std::size_t index = 0;
    while (index < controls.size() && &controls[index] != &control) ++index;
    if (index == controls.size()) return {withoutAccessMarks(control.text), {}};
    const Control* label = labelOf(controls, index);
    const std::string labelText = label ? labelName(*label) : std::string();
    switch (control.kind) {
        case ControlKind::Static:
            if (isLabel(control) || !label) return {labelName(control), {}};
            return {labelText, withoutAccessMarks(control.text)};
        case ControlKind::PushButton:
        case ControlKind::RadioButton:
        case ControlKind::GroupBox:
            return {withoutAccessMarks(control.text), {}};
        case ControlKind::Edit:
            return {labelText, control.text};
        case ControlKind::DropDownList:
            if (control.selection < 0 ||
                static_cast<std::size_t>(control.selection) >= control.items.size())
                return {labelText, {}};
            return {labelText, control.items[static_cast<std::size_t>(control.selection)]};
        case ControlKind::Progress:
            return {labelText, barValue(controls, index)};
        case ControlKind::RichText:
            return {labelText, {}};
        case ControlKind::Graph:
            return {window.title(), graphValueText(control.graph)};
        case ControlKind::Icon:
            break;
    }
    return {labelText, {}};
}

std::string graphValueText(const Graph& graph) {
    std::string text;
    for (const GraphPanel& panel : graph.panels) {
        std::string part;
        for (const GraphPlot& plot : panel.plots) {
            std::optional<double> last;
            for (auto it = plot.values.rbegin(); it != plot.values.rend() && !last; ++it)
                last = *it;
            const GraphAxis& axis = plot.rightAxis && panel.right ? *panel.right : panel.left;
            part += (part.empty() ? "" : ", ") + plot.label + " " +
                    (last ? numberText(*last) + " " + axis.unit : std::string("none"));
        }
        text += (text.empty() ? "" : "; ") + part;
    }
    if (!graph.marks.empty()) {
        text += text.empty() ? "marks: " : "; marks: ";
        for (std::size_t i = 0; i < graph.marks.size(); ++i)
            text += (i ? ", " : "") + graph.marks[i].label;
    }
    return text;
}

}  // namespace zlx::ui
