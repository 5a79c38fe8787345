#include "sim/windows_time.h"

#include <cctype>

#include "platform/calendar.h"

namespace zlx::sim {

namespace {

// Seconds between 1601-01-01 (FILETIME's epoch) and 1970-01-01.
constexpr std::int64_t kEpochDifferenceSeconds = 11644473600;
constexpr std::int64_t kTicksPerSecond = 10000000;

bool readDigits(std::string_view text, std::size_t at, std::size_t count, int& out) {
    out = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
        out = out * 10 + (text[i] - '0');
    }
    return true;
}

}  // namespace

std::optional<std::tm> parseLocalTime(std::string_view text) {
    if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != ' ' ||
        text[13] != ':' || text[16] != ':')
        return std::nullopt;
    int year, month, day, hour, minute, second;
    if (!readDigits(text, 0, 4, year) || !readDigits(text, 5, 2, month) ||
        !readDigits(text, 8, 2, day) || !readDigits(text, 11, 2, hour) ||
        !readDigits(text, 14, 2, minute) || !readDigits(text, 17, 2, second))
        return std::nullopt;
    if (year < 1601) return std::nullopt;

    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    // Out-of-range fields carry over into the next ones; a date that changed was not a real one.
    std::tm normalised = utcFields(secondsSinceEpoch(t));
    if (normalised.tm_year != t.tm_year || normalised.tm_mon != t.tm_mon ||
        normalised.tm_mday != t.tm_mday || normalised.tm_hour != t.tm_hour ||
        normalised.tm_min != t.tm_min || normalised.tm_sec != t.tm_sec)
        return std::nullopt;
    return normalised;
}

FileTime fileTimeFromLocal(const std::tm& local, std::int32_t offsetMinutes) {
    std::int64_t unixSeconds = secondsSinceEpoch(local);
    std::int64_t utc = unixSeconds - static_cast<std::int64_t>(offsetMinutes) * 60;
    return static_cast<FileTime>((utc + kEpochDifferenceSeconds) * kTicksPerSecond);
}

}  // namespace zlx::sim
