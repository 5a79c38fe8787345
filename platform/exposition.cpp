#include "platform/exposition.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/text.h"

namespace zlx::platform {

namespace {

bool plain(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c >= 0x20 && c < 0x7F && c != '"' && c != '\\'; });
}

void appendEscaped(std::string& out, std::string_view value) {
    if (plain(value)) {
        out += value;
        return;
    }
    // Line breaks are the format's own escape; what lies between them is made safe as a name
    // shown in a control is, then its backslashes and quotes are escaped.
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = value.find('\n', start);
        for (char c : displaySafeName(value.substr(start, end - start))) {
            if (c == '\\' || c == '"') out += '\\';
            out += c;
        }
        if (end == std::string_view::npos) return;
        out += "\\n";
        start = end + 1;
    }
}

template <typename T>
void appendNumber(std::string& out, T value) {
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

}  // namespace

void Exposition::family(std::string_view name, MetricType type, std::string_view help) {
    out_ += "# HELP ";
    out_ += name;
    out_ += ' ';
    out_ += help;
    out_ += "\n# TYPE ";
    out_ += name;
    out_ += type == MetricType::Counter ? " counter\n" : " gauge\n";
}

void Exposition::start(std::string_view name, std::initializer_list<MetricLabel> labels) {
    out_ += name;
    bool first = true;
    for (const MetricLabel& label : labels) {
        if (label.value.empty()) continue;
        out_ += first ? '{' : ',';
        first = false;
        out_ += label.name;
        out_ += "=\"";
        appendEscaped(out_, label.value);
        out_ += '"';
    }
    if (!first) out_ += '}';
    out_ += ' ';
}

void Exposition::finish(std::uint64_t value) {
    appendNumber(out_, value);
    out_ += '\n';
}

void Exposition::finish(std::int64_t value) {
    appendNumber(out_, value);
    out_ += '\n';
}

void Exposition::finish(double value) {
    // The format's own words for the values that are not numbers; whole numbers that a double
    // holds exactly as digits, not in the exponent form the shortest text may take.
    constexpr double kExactWhole = 9007199254740992.0;  // 2^53
    if (std::isnan(value))
        out_ += "NaN";
    else if (std::isinf(value))
        out_ += value > 0 ? "+Inf" : "-Inf";
    else if (std::trunc(value) == value && std::fabs(value) <= kExactWhole)
        appendNumber(out_, static_cast<std::int64_t>(value));
    else
        appendNumber(out_, value);
    out_ += '\n';
}

std::string exposedLabelValue(std::string_view value) {
    std::string out;
    appendEscaped(out, value);
    return out;
}

}  // namespace zlx::platform
