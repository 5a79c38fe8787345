#pragma once
// The graph control's content: panels of series over a fixed number of samples, each panel with
// a value axis on the left and perhaps one on the right, and marks at samples. A renderer draws
// it as it is; what the series mean is the owner's business.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zlx::ui {

struct GraphAxis {
    std::string unit;  // "dBm", "%", "Mbps"
    double min = 0, max = 100;
    friend bool operator==(const GraphAxis&, const GraphAxis&) = default;
};

struct GraphPlot {
    std::string label;
    std::uint32_t color = 0;  // 0xRRGGBB
    bool rightAxis = false;
    // One per sample, oldest first; nothing where the sample has no value (a gap).
    std::vector<std::optional<double>> values;
    friend bool operator==(const GraphPlot&, const GraphPlot&) = default;
};

struct GraphPanel {
    std::string title;
    GraphAxis left;
    std::optional<GraphAxis> right;
    std::vector<GraphPlot> plots;
    friend bool operator==(const GraphPanel&, const GraphPanel&) = default;
};

struct GraphMark {
    std::size_t sample = 0;  // index into the plots' values
    std::string label;
    std::uint32_t color = 0;
    friend bool operator==(const GraphMark&, const GraphMark&) = default;
};

struct Graph {
    // Samples across the width, the newest at the right edge; the time axis counts back from
    // it in `timeUnit` ("min"), each sample `secondsPerSample` apart.
    std::size_t capacity = 0;
    int secondsPerSample = 1;
    std::string timeUnit;
    std::vector<GraphPanel> panels;
    std::vector<GraphMark> marks;
    friend bool operator==(const Graph&, const Graph&) = default;
};

}  // namespace zlx::ui
