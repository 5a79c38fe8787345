#include "scriptmode/dump.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "platform/text.h"
#include "ui/dialog.h"
#include "ui/property_sheet.h"

namespace zlx::scriptmode {

std::string quoted(std::string_view text) {
    return "\"" + platform::escapeControls(text, platform::Escape::Yes) + "\"";
}

namespace {

std::string colorText(std::uint32_t color) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%06X", color & 0xFFFFFF);
    return buffer;
}

std::string numberText(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

// A graph as its shape and each plot's values in short: how many samples have one, the
// range, the last one; then the marks with the sample they stand at.
void dumpGraph(std::ostringstream& out, const ui::Graph& g) {
    out << " capacity=" << g.capacity;
    for (const ui::GraphPanel& panel : g.panels) {
        out << "\n    panel " << quoted(panel.title) << " " << quoted(panel.left.unit) << " "
            << numberText(panel.left.min) << ".." << numberText(panel.left.max);
        if (panel.right)
            out << " right " << quoted(panel.right->unit) << " " << numberText(panel.right->min)
                << ".." << numberText(panel.right->max);
        for (const ui::GraphPlot& plot : panel.plots) {
            std::size_t count = 0;
            double low = 0, high = 0;
            for (const auto& v : plot.values) {
                if (!v) continue;
                low = count ? std::min(low, *v) : *v;
                high = count ? std::max(high, *v) : *v;
                ++count;
            }
            out << "\n      plot " << quoted(plot.label) << " " << colorText(plot.color)
                << " samples=" << plot.values.size() << " values=" << count;
            if (count) out << " range=" << numberText(low) << ".." << numberText(high);
            if (!plot.values.empty())
                out << " last=" << (plot.values.back() ? numberText(*plot.values.back()) : "none");
        }
    }
    for (const ui::GraphMark& mark : g.marks)
        out << "\n    mark " << mark.sample << " " << quoted(mark.label) << " "
            << colorText(mark.color);
}

// Enabled and visible are the usual state: only their opposites are written.
void dumpControl(std::ostringstream& out, const ui::Control& c) {
    out << "  " << c.id << " " << ui::controlKindName(c.kind);
    switch (c.kind) {
        case ui::ControlKind::DropDownList: {
            out << " [";
            for (std::size_t i = 0; i < c.items.size(); ++i)
                out << (i ? ", " : "") << quoted(c.items[i]);
            out << "] sel=" << c.selection;
            break;
        }
        case ui::ControlKind::Progress:
            out << " pos=" << c.position << " range=" << c.rangeMin << ".." << c.rangeMax;
            break;
        case ui::ControlKind::RichText: {
            out << " runs=[";
            for (std::size_t i = 0; i < c.runs.size(); ++i) {
                const ui::TextRun& run = c.runs[i];
                out << (i ? ", " : "") << quoted(run.text) << " " << colorText(run.color);
                if (run.bold) out << " bold";
                if (run.underline) out << " underline";
            }
            out << "]";
            if (c.scrolledToEnd) out << " scrolled-to-end";
            break;
        }
        case ui::ControlKind::Icon:
            out << " icon=" << c.iconId;
            break;
        case ui::ControlKind::Graph:
            dumpGraph(out, c.graph);
            break;
        default:
            out << " " << quoted(c.text);
    }
    if (c.checked) out << " checked";
    if (!c.enabled) out << " disabled";
    if (!c.visible) out << " hidden";
    out << "\n";
}

void dumpDialog(std::ostringstream& out, const ui::Desktop& desktop, const ui::Dialog& w) {
    const char* kind = w.kind() == ui::WindowKind::Sheet ? "sheet" : "dialog";
    out << kind << " " << quoted(w.title()) << " "
        << (!w.visible()    ? "hidden"
            : w.minimized() ? "minimised"
                            : "normal");
    if (desktop.foreground() == w.handle()) out << " foreground";
    out << "\n";
    for (const ui::Control& c : w.controls()) dumpControl(out, c);
    auto* sheet = dynamic_cast<const ui::PropertySheet*>(&w);
    if (!sheet) return;
    for (int i = 0; i < sheet->pageCount(); ++i) {
        const ui::PropertyPage& page = sheet->page(i);
        bool active = i == sheet->activeIndex();
        out << "page " << i << " " << quoted(page.caption())
            << (active           ? " active"
                : page.created() ? " created"
                                 : "")
            << (page.created() && page.minimized() ? " minimised" : "") << "\n";
        if (active)
            for (const ui::Control& c : page.controls()) dumpControl(out, c);
    }
}

}  // namespace

std::string dumpWindows(const ui::Desktop& desktop) {
    std::ostringstream out;
    if (desktop.modalStack().empty()) out << "(no window)\n";
    for (const ui::Dialog* w : desktop.modalStack()) dumpDialog(out, desktop, *w);
    return out.str();
}

std::string dumpActiveWindow(const ui::Desktop& desktop) {
    std::ostringstream out;
    if (const ui::Dialog* w = desktop.activeWindow())
        dumpDialog(out, desktop, *w);
    else
        out << "(no window)\n";
    return out.str();
}

}  // namespace zlx::scriptmode
