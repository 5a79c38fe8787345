// The graph's layout: the marks' words never overlap, the time axis' ticks stay readable, and
// gaps break the plots.
#include <gtest/gtest.h>

#include <algorithm>

#include "ui/graph_layout.h"

namespace zlx::ui {
namespace {

// Every character 7 pixels wide, lines 14 high: a plain dialog font.
GraphMetrics metricsOf(double width, double height) {
    GraphMetrics m;
    m.width = width;
    m.height = height;
    m.lineHeight = 14;
    m.textWidth = [](const std::string& text) { return 7.0 * static_cast<double>(text.size()); };
    return m;
}

Graph graphWith(std::size_t capacity, std::vector<GraphMark> marks) {
    Graph g;
    g.capacity = capacity;
    g.secondsPerSample = 2;
    g.timeUnit = "min";
    GraphPanel panel;
    panel.title = "Signal";
    panel.left = {"dBm", -100, -20};
    panel.plots.push_back(
        {"Strength", 0x1F5FBF, false, std::vector<std::optional<double>>(capacity)});
    g.panels = {panel, panel};
    g.marks = std::move(marks);
    return g;
}

TEST(GraphLayout, MarkWordsNeverOverlap) {
    struct Case {
        const char* what;
        std::vector<std::size_t> samples;
    };
    const Case cases[] = {
        {"two events on one sample", {10, 10}},
        {"three close together", {10, 11, 12}},
        {"one at the right edge", {29, 30}},
        {"a crowd", {1, 1, 1, 2, 2, 3, 4, 5, 5, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
    };
    for (const Case& c : cases) {
        std::vector<GraphMark> marks;
        for (std::size_t s : c.samples) marks.push_back({s, "Disconnect", 0xC0392B});
        const GraphLayout layout = layOutGraph(graphWith(31, marks), metricsOf(600, 300));
        ASSERT_EQ(layout.markLabels.size(), marks.size()) << c.what;
        std::size_t shown = 0;
        for (std::size_t i = 0; i < marks.size(); ++i) {
            if (!layout.markLabels[i]) continue;
            ++shown;
            EXPECT_GE(layout.markLabels[i]->left, 0) << c.what;
            EXPECT_LE(layout.markLabels[i]->right, 600) << c.what;
            for (std::size_t j = 0; j < i; ++j) {
                if (!layout.markLabels[j]) continue;
                EXPECT_FALSE(layout.markLabels[i]->overlaps(*layout.markLabels[j]))
                    << c.what << ": marks " << j << " and " << i;
            }
        }
        // A few marks always find room; only a crowd may lose words.
        if (marks.size() <= 3) {
            EXPECT_EQ(shown, marks.size()) << c.what;
        }
    }
}

TEST(GraphLayout, TimeTicksAreReadableSteps) {
    struct Case {
        double spanSeconds;
        int most;
        int step;
    };
    const Case cases[] = {
        {60, 6, 30},    // one minute: every half minute
        {120, 6, 30},   // two: four ticks
        {600, 6, 120},  // ten minutes in a small window
        {600, 12, 60},  // ten minutes, wide
        {600, 1, 600},  // no room: the span's ends only
    };
    for (const Case& c : cases)
        EXPECT_EQ(timeTickStep(c.spanSeconds, c.most), c.step) << c.spanSeconds << " " << c.most;
}

TEST(GraphLayout, GapsBreakThePlotAndTheOldestTickCarriesTheUnit) {
    Graph g = graphWith(31, {});
    auto& values = g.panels[0].plots[0].values;
    for (std::size_t i : {0u, 1u, 2u, 5u, 6u, 30u}) values[i] = -60;
    const GraphLayout layout = layOutGraph(g, metricsOf(600, 300));
    std::vector<std::size_t> runs;
    std::vector<std::string> texts;
    for (const GraphItem& item : layout.items) {
        if (item.kind == GraphItem::Kind::Stroke && item.color == 0x1F5FBF)
            runs.push_back(item.points.size());
        if (item.kind == GraphItem::Kind::Text) texts.push_back(item.text);
    }
    EXPECT_EQ(runs, (std::vector<std::size_t>{3, 2, 1}));
    EXPECT_NE(std::find(texts.begin(), texts.end(), "-1 min"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "-0.5"), texts.end());
}

}  // namespace
}  // namespace zlx::ui
