#pragma once
// Broken-down UTC times for any year of the Gregorian calendar, without the host's time zone.
// timegm and gmtime_r are POSIX only, and Windows' _mkgmtime refuses years before 1970; the
// simulated machine has file dates from 1601 on.

#include <cstdint>
#include <ctime>

namespace zlx::platform {

// Seconds since 1970-01-01 00:00:00 UTC. Out-of-range fields carry over as timegm's do
// (month 12 is January of the next year, day 0 the last day of the month before).
std::int64_t secondsSinceEpoch(const std::tm& utc);

// Every field of the time `seconds` after 1970-01-01 00:00:00 UTC, weekday and day of the year
// included; tm_isdst is 0.
std::tm utcFields(std::int64_t seconds);

// The host's own local time of `t`, from its time zone settings.
std::tm hostLocalTime(std::time_t t);

}  // namespace zlx::platform
