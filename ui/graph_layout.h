#pragma once
// Where each part of a graph goes at a given size: the panels' frames, grid lines and value
// axes' labels, the legend with a key in each plot's colour, the plots as lines broken at gaps,
// the time axis' ticks, and the marks with their words placed so that no two words overlap. A
// renderer fills, strokes and writes what the layout lists, in order, and measures nothing but
// text.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/graph.h"

namespace zlx::ui {

struct GraphPoint {
    double x = 0, y = 0;
    friend bool operator==(const GraphPoint&, const GraphPoint&) = default;
};

struct GraphBox {
    double left = 0, top = 0, right = 0, bottom = 0;
    bool overlaps(const GraphBox& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    friend bool operator==(const GraphBox&, const GraphBox&) = default;
};

enum class GraphLineStyle { Solid, Dashed };
enum class GraphAlign { Left, Centre, Right };

// One thing to draw: a box filled with `color`; a line through `points`, `width` wide; or one
// line of text in `box`, centred vertically and aligned across it as `align` says.
struct GraphItem {
    enum class Kind { Fill, Stroke, Text };
    Kind kind = Kind::Fill;
    std::uint32_t color = 0;  // 0xRRGGBB
    GraphBox box;
    std::vector<GraphPoint> points;
    double width = 1;
    GraphLineStyle style = GraphLineStyle::Solid;
    std::string text;
    GraphAlign align = GraphAlign::Left;
};

struct GraphMetrics {
    double width = 0, height = 0;
    double lineHeight = 0;  // one line of text
    // Device pixels per pixel at 96 dots per inch: pens and gaps grow with it.
    double scale = 1;
    std::function<double(const std::string&)> textWidth;
};

struct GraphLayout {
    // In drawing order: what comes later is drawn over what comes earlier.
    std::vector<GraphItem> items;
    // Each mark's word where it was placed, in the order of the graph's marks; no two overlap.
    // A word that finds no free place on the graph is left out (its line is drawn).
    std::vector<std::optional<GraphBox>> markLabels;
};

GraphLayout layOutGraph(const Graph& graph, const GraphMetrics& metrics);

// The labels of a value axis, bottom to top: `ticks` + 1 values, each with its unit.
std::vector<std::string> axisLabels(const GraphAxis& axis, int ticks);

// The step between the time axis' ticks for a span of `spanSeconds`, from a list of readable
// steps, so that at most `most` ticks fit.
int timeTickStep(double spanSeconds, int most);

}  // namespace zlx::ui
