#include "platform/sim/call_log.h"

#include <algorithm>
#include <cstdio>

#include "platform/text.h"

namespace zlx::platform::sim {

void CallLog::record(std::string line) {
    // Values in a line come from scenarios and from the program; whoever prints the log to a
    // terminal must not have its escape sequences run.
    // Most lines are plain ASCII and need no look at each character (a scenario with thousands
    // of interfaces records millions of them).
    if (!std::all_of(line.begin(), line.end(), [](char c) { return c >= 0x20 && c < 0x7F; }))
        line = escapeControls(line);
    std::lock_guard lock(mutex_);
    if (lines_.size() >= kMaxLines) {
        std::size_t dropped = lines_.size() / 2;
        lines_.erase(lines_.begin(), lines_.begin() + static_cast<std::ptrdiff_t>(dropped));
        taken_ = taken_ > dropped ? taken_ - dropped : 0;
    }
    lines_.push_back(std::move(line));
}

std::vector<std::string> CallLog::takeNew() {
    std::lock_guard lock(mutex_);
    std::vector<std::string> fresh(lines_.begin() + static_cast<std::ptrdiff_t>(taken_),
                                   lines_.end());
    taken_ = lines_.size();
    return fresh;
}

std::vector<std::string> CallLog::all() const {
    std::lock_guard lock(mutex_);
    return lines_;
}

std::size_t CallLog::count(std::string_view prefix) const {
    std::lock_guard lock(mutex_);
    return static_cast<std::size_t>(std::count_if(
        lines_.begin(), lines_.end(), [&](const std::string& l) { return l.starts_with(prefix); }));
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

}  // namespace zlx::platform::sim
