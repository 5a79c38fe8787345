#include "platform/calendar.h"

#include <chrono>
#include <cstdlib>

#include "platform/text.h"

namespace zlx::platform {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

std::int64_t floorDivide(std::int64_t value, std::int64_t divisor) {
    std::int64_t quotient = value / divisor;
    return (value % divisor < 0) ? quotient - 1 : quotient;
}

}  // namespace

std::int64_t secondsSinceEpoch(const std::tm& utc) {
    using namespace std::chrono;
    std::int64_t months = std::int64_t{utc.tm_year} * 12 + utc.tm_mon;
    std::int64_t yearsFrom1900 = floorDivide(months, 12);
    auto month = static_cast<unsigned>(months - yearsFrom1900 * 12) + 1;
    sys_days firstOfMonth{year{static_cast<int>(1900 + yearsFrom1900)} / std::chrono::month{month} /
                          1};
    std::int64_t days = firstOfMonth.time_since_epoch().count() + (utc.tm_mday - 1);
    return days * kSecondsPerDay + std::int64_t{utc.tm_hour} * 3600 +
           std::int64_t{utc.tm_min} * 60 + utc.tm_sec;
}

std::tm utcFields(std::int64_t seconds) {
    using namespace std::chrono;
    std::int64_t dayNumber = floorDivide(seconds, kSecondsPerDay);
    std::int64_t secondOfDay = seconds - dayNumber * kSecondsPerDay;
    sys_days day{days{dayNumber}};
    year_month_day date{day};
    std::tm out{};
    out.tm_year = static_cast<int>(date.year()) - 1900;
    out.tm_mon = static_cast<int>(static_cast<unsigned>(date.month())) - 1;
    out.tm_mday = static_cast<int>(static_cast<unsigned>(date.day()));
    out.tm_hour = static_cast<int>(secondOfDay / 3600);
    out.tm_min = static_cast<int>(secondOfDay / 60 % 60);
    out.tm_sec = static_cast<int>(secondOfDay % 60);
    out.tm_wday = static_cast<int>(weekday{day}.c_encoding());
    out.tm_yday = static_cast<int>((day - sys_days{date.year() / January / 1}).count());
    return out;
}

std::tm hostLocalTime(std::time_t t) {
    std::tm out{};
#ifdef _WIN32
    ::localtime_s(&out, &t);
#else
    ::localtime_r(&t, &out);
#endif
    return out;
}

std::string isoTimestamp(const std::tm& local, std::optional<int> offsetMinutes,
                         std::optional<int> millis) {
    std::tm t = utcFields(secondsSinceEpoch(local));
    std::string text;
    text.reserve(32);
    appendZeroPadded(text, t.tm_year + 1900LL, 4);
    text += '-';
    appendZeroPadded(text, t.tm_mon + 1, 2);
    text += '-';
    appendZeroPadded(text, t.tm_mday, 2);
    text += 'T';
    appendZeroPadded(text, t.tm_hour, 2);
    text += ':';
    appendZeroPadded(text, t.tm_min, 2);
    text += ':';
    appendZeroPadded(text, t.tm_sec, 2);
    if (millis) {
        text += '.';
        appendZeroPadded(text, *millis < 0 ? 0 : *millis > 999 ? 999 : *millis, 3);
    }
    if (offsetMinutes) {
        long long magnitude = std::llabs(static_cast<long long>(*offsetMinutes));
        text += *offsetMinutes < 0 ? '-' : '+';
        appendZeroPadded(text, magnitude / 60 % 100, 2);
        text += ':';
        appendZeroPadded(text, magnitude % 60, 2);
    }
    return text;
}

}  // namespace zlx::platform
