#include "sim/call_log.h"

#include <algorithm>
#include <cstdio>

#include "platform/text.h"

namespace zlx::sim {

void CallLog::keep(CallRecord record) {
    std::lock_guard lock(mutex_);
    if (records_.size() < kMaxRecords)
        records_.push_back(std::move(record));
    else
        records_[recorded_ % kMaxRecords] = std::move(record);
    ++recorded_;
}

std::vector<std::string> CallLog::linesFrom(std::uint64_t first) const {
    std::vector<std::string> lines;
    first = std::max(first, oldest());
    lines.reserve(static_cast<std::size_t>(recorded_ - first));
    for (std::uint64_t n = first; n < recorded_; ++n) {
        std::string line = at(n).line();
        // Values in a line come from scenarios and from the program; whoever prints the log
        // to a terminal must not have its escape sequences run. Most lines are plain ASCII.
        if (!std::all_of(line.begin(), line.end(), [](char c) { return c >= 0x20 && c < 0x7F; }))
            line = escapeControls(line);
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> CallLog::takeNew() {
    std::lock_guard lock(mutex_);
    std::vector<std::string> fresh = linesFrom(taken_);
    taken_ = recorded_;
    return fresh;
}

std::vector<std::string> CallLog::all() const {
    std::lock_guard lock(mutex_);
    return linesFrom(oldest());
}

std::size_t CallLog::count(std::string_view prefix) const {
    std::lock_guard lock(mutex_);
    std::size_t found = 0;
    for (const std::string& line : linesFrom(oldest()))
        if (line.starts_with(prefix)) ++found;
    return found;
}

std::string hex32(std::uint32_t value) {
    char text[11];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}

std::string hex(std::uint64_t value) {
    char text[19];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
    return text;
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

}  // namespace zlx::sim
