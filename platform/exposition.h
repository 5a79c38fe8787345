#pragma once
// The Prometheus text exposition format, version 0.0.4, which the textfile collectors of
// node_exporter and windows_exporter read: "# HELP" and "# TYPE" lines before each metric
// family, then one "name{label="value",...} value" line per sample. Label values are escaped
// as the format says (backslash, double quote, line break); other control characters, the
// bidirectional controls and bytes that are not UTF-8 become U+FFFD, so the file is safe to
// show in a terminal and valid for every parser.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>

namespace zlx::platform {

enum class MetricType { Gauge, Counter };

// A label whose value is empty is left out: in Prometheus an empty value is no label.
struct MetricLabel {
    std::string_view name;
    std::string_view value;
};

class Exposition {
  public:
    Exposition() { out_.reserve(4096); }

    // Starts a family; its samples follow. `help` is plain text without line breaks.
    void family(std::string_view name, MetricType type, std::string_view help);

    // One sample of the family: integers are written exactly, doubles as the shortest text
    // that reads back as the same value.
    template <typename T>
    void sample(std::string_view name, std::initializer_list<MetricLabel> labels, T value) {
        static_assert(std::is_arithmetic_v<T>);
        start(name, labels);
        if constexpr (std::is_floating_point_v<T>)
            finish(static_cast<double>(value));
        else if constexpr (std::is_signed_v<T>)
            finish(static_cast<std::int64_t>(value));
        else
            finish(static_cast<std::uint64_t>(value));
    }

    const std::string& text() const { return out_; }
    std::string take() { return std::move(out_); }

  private:
    void start(std::string_view name, std::initializer_list<MetricLabel> labels);
    void finish(std::uint64_t value);
    void finish(std::int64_t value);
    void finish(double value);
    std::string out_;
};

// A label value as the format writes it between its quotes.
std::string exposedLabelValue(std::string_view value);

}  // namespace zlx::platform
