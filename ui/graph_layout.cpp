#include "ui/graph_layout.h"

#include <algorithm>
#include <cmath>

#include "platform/text.h"

namespace zlx::ui {

namespace {

constexpr int kValueTicks = 4;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kFrameGrey = 0x808080;
constexpr std::uint32_t kGridGrey = 0xE0E0E0;
// Readable steps of the time axis, in seconds.
constexpr int kTimeSteps[] = {30, 60, 120, 300, 600};

std::string number(double value) {
    return platform::generalNumber(value, 4);
}

const GraphAxis& axisOf(const GraphPanel& panel, const GraphPlot& plot) {
    return plot.rightAxis && panel.right ? *panel.right : panel.left;
}

class Layout {
  public:
    Layout(const Graph& graph, const GraphMetrics& m) : g_(graph), m_(m) {}

    GraphLayout build() {
        if (g_.panels.empty() || g_.capacity < 2 || m_.width <= 0 || m_.height <= 0)
            return std::move(out_);
        const double gap = 4 * m_.scale;
        double leftLabels = 0, rightLabels = 0;
        for (const GraphPanel& panel : g_.panels) {
            for (const std::string& label : axisLabels(panel.left, kValueTicks))
                leftLabels = std::max(leftLabels, m_.textWidth(label));
            if (panel.right)
                for (const std::string& label : axisLabels(*panel.right, kValueTicks))
                    rightLabels = std::max(rightLabels, m_.textWidth(label));
        }
        left_ = leftLabels + 2 * gap;
        // The time axis' last label is centred on the right edge: room for its half.
        right_ = m_.width - std::max(rightLabels + 2 * gap, m_.textWidth("0") / 2 + gap);
        if (right_ - left_ < 2) return std::move(out_);
        const double timeAxisTop = m_.height - m_.lineHeight - gap;
        const double panelHeight = (timeAxisTop - gap / 2) / static_cast<double>(g_.panels.size());
        std::vector<GraphBox> frames;
        for (std::size_t p = 0; p < g_.panels.size(); ++p) {
            const double panelTop = gap / 2 + static_cast<double>(p) * panelHeight;
            // The title and the legend take the panel's first line.
            GraphBox frame{left_, panelTop + m_.lineHeight + gap, right_,
                           panelTop + panelHeight - gap};
            frames.push_back(frame);
            legend(g_.panels[p], panelTop);
            valueAxes(g_.panels[p], frame);
        }
        timeAxis(timeAxisTop);
        for (const GraphBox& frame : frames) markLines(frame);
        for (std::size_t p = 0; p < g_.panels.size(); ++p) plots(g_.panels[p], frames[p]);
        markWords(frames);
        return std::move(out_);
    }

  private:
    double xOf(std::size_t sample) const {
        return left_ + static_cast<double>(sample) * (right_ - left_) /
                           static_cast<double>(g_.capacity - 1);
    }

    void fill(const GraphBox& box, std::uint32_t color) {
        GraphItem& item = out_.items.emplace_back();
        item.kind = GraphItem::Kind::Fill;
        item.box = box;
        item.color = color;
    }

    void text(const GraphBox& box, std::string words, GraphAlign align,
              std::uint32_t color = kBlack) {
        GraphItem& item = out_.items.emplace_back();
        item.kind = GraphItem::Kind::Text;
        item.box = box;
        item.text = std::move(words);
        item.align = align;
        item.color = color;
    }

    // `width` in pixels at 96 dots per inch.
    void stroke(std::vector<GraphPoint> points, std::uint32_t color, double width,
                GraphLineStyle style = GraphLineStyle::Solid) {
        GraphItem& item = out_.items.emplace_back();
        item.kind = GraphItem::Kind::Stroke;
        item.points = std::move(points);
        item.color = color;
        item.width = width * m_.scale;
        item.style = style;
    }

    void line(GraphPoint a, GraphPoint b, std::uint32_t color, double width,
              GraphLineStyle style = GraphLineStyle::Solid) {
        stroke({a, b}, color, width, style);
    }

    void legend(const GraphPanel& panel, double top) {
        const double gap = 4 * m_.scale, key = 14 * m_.scale;
        const GraphBox row{left_, top, m_.width, top + m_.lineHeight};
        double x = left_;
        const double titleWidth = m_.textWidth(panel.title);
        text({x, row.top, x + titleWidth, row.bottom}, panel.title, GraphAlign::Left);
        x += titleWidth + 4 * gap;
        for (const GraphPlot& plot : panel.plots) {
            const double middle = (row.top + row.bottom) / 2;
            fill({x, middle - 1.5 * m_.scale, x + key, middle + 1.5 * m_.scale}, plot.color);
            x += key + gap;
            std::string name = plot.label + " (" + axisOf(panel, plot).unit + ")";
            const double width = m_.textWidth(name);
            text({x, row.top, x + width, row.bottom}, std::move(name), GraphAlign::Left);
            x += width + 4 * gap;
        }
    }

    void valueAxes(const GraphPanel& panel, const GraphBox& frame) {
        const double gap = 4 * m_.scale;
        const std::vector<std::string> leftLabels = axisLabels(panel.left, kValueTicks);
        const std::vector<std::string> rightLabels =
            panel.right ? axisLabels(*panel.right, kValueTicks) : std::vector<std::string>{};
        for (int i = 0; i <= kValueTicks; ++i) {
            const double y = frame.bottom - i * (frame.bottom - frame.top) / kValueTicks;
            if (i > 0 && i < kValueTicks) line({frame.left, y}, {frame.right, y}, kGridGrey, 1);
            const double half = m_.lineHeight / 2;
            text({0, y - half, frame.left - gap, y + half}, leftLabels[i], GraphAlign::Right);
            if (panel.right)
                text({frame.right + gap, y - half, m_.width, y + half}, rightLabels[i],
                     GraphAlign::Left);
        }
        stroke({{frame.left, frame.top},
                {frame.right, frame.top},
                {frame.right, frame.bottom},
                {frame.left, frame.bottom},
                {frame.left, frame.top}},
               kFrameGrey, 1);
    }

    // Minutes before now, the newest sample at the right edge; the unit with the oldest tick.
    void timeAxis(double top) {
        const double span = static_cast<double>(g_.capacity - 1) * g_.secondsPerSample;
        const double widest = m_.textWidth("-10.5 " + g_.timeUnit) + 8 * m_.scale;
        const int most = std::max(1, static_cast<int>((right_ - left_) / widest));
        const int step = timeTickStep(span, most);
        const int ticks = static_cast<int>(std::floor(span / step + 1e-9));
        for (int t = 0; t <= ticks; ++t) {
            const double seconds = static_cast<double>(t) * step;
            const double x = right_ - seconds / span * (right_ - left_);
            std::string label = t == 0 ? "0" : "-" + number(seconds / 60);
            if (t == ticks && t > 0) label += " " + g_.timeUnit;
            const double width = m_.textWidth(label) + 2 * m_.scale;
            // The oldest label stays inside the graph's left edge.
            const double centre = std::max(x, width / 2);
            text({centre - width / 2, top, centre + width / 2, top + m_.lineHeight}, label,
                 GraphAlign::Centre);
        }
    }

    void markLines(const GraphBox& frame) {
        for (const GraphMark& mark : g_.marks) {
            if (mark.sample >= g_.capacity) continue;
            const double x = xOf(mark.sample);
            line({x, frame.top}, {x, frame.bottom}, mark.color, 1.5, GraphLineStyle::Dashed);
        }
    }

    // Each plot as lines between neighbouring samples that both have a value.
    void plots(const GraphPanel& panel, const GraphBox& frame) {
        for (const GraphPlot& plot : panel.plots) {
            const GraphAxis& axis = axisOf(panel, plot);
            const double range = axis.max - axis.min;
            std::vector<GraphPoint> run;
            auto flush = [&] {
                if (!run.empty()) stroke(std::move(run), plot.color, 2);
                run.clear();
            };
            const std::size_t count = std::min(plot.values.size(), g_.capacity);
            for (std::size_t i = 0; i < count; ++i) {
                if (!plot.values[i]) {
                    flush();
                    continue;
                }
                const double t =
                    range > 0 ? std::clamp((*plot.values[i] - axis.min) / range, 0.0, 1.0) : 0.0;
                run.push_back({xOf(i), frame.bottom - t * (frame.bottom - frame.top)});
            }
            flush();
        }
    }

    // The marks' words in rows from the top of the first panel down, each on a white ground
    // just right of its line (or left of it at the right edge), in the first row where it
    // overlaps no other word.
    void markWords(const std::vector<GraphBox>& frames) {
        const double pad = 2 * m_.scale;
        const double rowHeight = m_.lineHeight + 2 * pad;
        const GraphBox& area = frames.front();
        const double bottom = frames.back().bottom;
        std::vector<GraphBox> placed;
        for (const GraphMark& mark : g_.marks) {
            std::optional<GraphBox> where;
            if (mark.sample < g_.capacity) {
                const double x = xOf(mark.sample);
                const double width = m_.textWidth(mark.label) + 2 * pad;
                double left = x + pad;
                if (left + width > area.right) left = std::max(area.left, x - pad - width);
                for (double top = area.top + pad; top + rowHeight <= bottom && !where;
                     top += rowHeight) {
                    GraphBox box{left, top, left + width, top + rowHeight};
                    if (std::none_of(placed.begin(), placed.end(),
                                     [&](const GraphBox& o) { return o.overlaps(box); }))
                        where = box;
                }
            }
            if (where) {
                placed.push_back(*where);
                fill(*where, kWhite);
                text({where->left + pad, where->top + pad, where->right - pad, where->bottom - pad},
                     mark.label, GraphAlign::Left, mark.color);
            }
            out_.markLabels.push_back(where);
        }
    }

    const Graph& g_;
    const GraphMetrics& m_;
    GraphLayout out_;
    double left_ = 0, right_ = 0;
};

}  // namespace

std::vector<std::string> axisLabels(const GraphAxis& axis, int ticks) {
    std::vector<std::string> labels;
    for (int i = 0; i <= ticks; ++i)
        labels.push_back(number(axis.min + i * (axis.max - axis.min) / ticks) + " " + axis.unit);
    return labels;
}

int timeTickStep(double spanSeconds, int most) {
    for (int step : kTimeSteps)
        if (spanSeconds / step <= most) return step;
    return kTimeSteps[std::size(kTimeSteps) - 1];
}

GraphLayout layOutGraph(const Graph& graph, const GraphMetrics& metrics) {
    return Layout(graph, metrics).build();
}

}  // namespace zlx::ui
