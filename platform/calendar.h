#pragma once
// Broken-down UTC times for any year of the Gregorian calendar, without the host's time zone.
// timegm and gmtime_r are POSIX only, and Windows' _mkgmtime refuses years before 1970; the
// simulated machine has file dates from 1601 on.

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

namespace zlx::platform {

// Seconds since 1970-01-01 00:00:00 UTC. Out-of-range fields carry over as timegm's do
// (month 12 is January of the next year, day 0 the last day of the month before).
std::int64_t secondsSinceEpoch(const std::tm& utc);

// Every field of the time `seconds` after 1970-01-01 00:00:00 UTC, weekday and day of the year
// included; tm_isdst is 0.
std::tm utcFields(std::int64_t seconds);

// The host's own local time of `t`, from its time zone settings.
std::tm hostLocalTime(std::time_t t);

// ISO 8601 of a local time: "2026-01-15T10:00:00+01:00", with ".123" after the seconds when
// `millis` is given, and with no offset at all when the offset is not known (then it is a
// local time of no stated zone, never a UTC one). Fields out of range carry over first.
std::string isoTimestamp(const std::tm& local, std::optional<int> offsetMinutes,
                         std::optional<int> millis = std::nullopt);

// The offset from UTC, in minutes, in force at the local time `local`, found through the
// machine's own conversion of UTC seconds to its local time (SystemInfo::localTimeOf), so that
// no host time zone plays a part. Nothing when the conversion fails. A local time that a
// change of offset skips or repeats gets the offset of one of its sides.
template <typename ToLocal>
std::optional<int> utcOffsetAt(const std::tm& local, ToLocal&& toLocal) {
    const std::int64_t wall = secondsSinceEpoch(local);
    auto offsetAt = [&](std::int64_t utc) -> std::optional<std::int64_t> {
        std::tm converted{};
        if (!toLocal(utc, converted)) return std::nullopt;
        return secondsSinceEpoch(converted) - utc;
    };
    // The offset at the wall time read as UTC is a first guess, off only across a change of
    // offset between the two instants; the offset at the instant it gives settles it.
    auto guess = offsetAt(wall);
    if (!guess) return std::nullopt;
    auto settled = offsetAt(wall - *guess);
    if (!settled) return std::nullopt;
    // Offsets are whole minutes; a conversion that answers otherwise is not believed.
    if (*settled % 60 != 0 || *settled < -24 * 3600 || *settled > 24 * 3600) return std::nullopt;
    return static_cast<int>(*settled / 60);
}

}  // namespace zlx::platform
