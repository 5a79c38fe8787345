#include "platform/calendar.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace zlx::platform {
namespace {

std::tm fields(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

std::string text(const std::tm& t) {
    char out[64];
    std::snprintf(out, sizeof out, "%04d-%02d-%02d %02d:%02d:%02d wday %d yday %d",
                  t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec,
                  t.tm_wday, t.tm_yday);
    return out;
}

TEST(CalendarTest, KnownInstantsBothWays) {
    struct Case {
        std::tm utc;
        std::int64_t seconds;
        const char* expected;
    };
    const Case cases[] = {
        {fields(1601, 1, 1), -11644473600, "1601-01-01 00:00:00 wday 1 yday 0"},
        {fields(1969, 12, 31, 23, 59, 59), -1, "1969-12-31 23:59:59 wday 3 yday 364"},
        {fields(1970, 1, 1), 0, "1970-01-01 00:00:00 wday 4 yday 0"},
        {fields(2000, 2, 29, 12), 951825600, "2000-02-29 12:00:00 wday 2 yday 59"},
        {fields(2026, 1, 15, 10), 1768471200, "2026-01-15 10:00:00 wday 4 yday 14"},
        {fields(3000, 12, 31, 23, 59, 59), 32535215999, "3000-12-31 23:59:59 wday 3 yday 364"},
        {fields(9999, 12, 31, 23, 59, 59), 253402300799, "9999-12-31 23:59:59 wday 5 yday 364"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(secondsSinceEpoch(c.utc), c.seconds) << c.expected;
        EXPECT_EQ(text(utcFields(c.seconds)), c.expected);
    }
}

TEST(CalendarTest, OutOfRangeFieldsCarryOverAsTimegmDoes) {
    struct Case {
        std::tm utc;
        const char* expected;
    };
    const Case cases[] = {
        {fields(2025, 13, 1), "2026-01-01 00:00:00 wday 4 yday 0"},
        {fields(2026, 3, 0), "2026-02-28 00:00:00 wday 6 yday 58"},
        {fields(2024, 2, 30), "2024-03-01 00:00:00 wday 5 yday 60"},
        {fields(2026, 0, 1), "2025-12-01 00:00:00 wday 1 yday 334"},
        {fields(2026, 1, 1, 24, 60, 60), "2026-01-02 01:01:00 wday 5 yday 1"},
    };
    for (const auto& c : cases) EXPECT_EQ(text(utcFields(secondsSinceEpoch(c.utc))), c.expected);
}

TEST(CalendarTest, IsoTimestamps) {
    struct Case {
        std::tm local;
        std::optional<int> offset, millis;
        const char* expected;
    };
    const Case cases[] = {
        {fields(2026, 1, 15, 10), 60, std::nullopt, "2026-01-15T10:00:00+01:00"},
        {fields(2026, 1, 15, 10), 0, 7, "2026-01-15T10:00:00.007+00:00"},
        {fields(2025, 3, 18, 4, 11, 26), -330, 999, "2025-03-18T04:11:26.999-05:30"},
        {fields(2026, 1, 15, 10), std::nullopt, std::nullopt, "2026-01-15T10:00:00"},
        // Fields out of range carry over; a millisecond count out of range is held in it.
        {fields(2025, 12, 31, 23, 59, 60), 840, 1000, "2026-01-01T00:00:00.999+14:00"},
        {fields(1601, 1, 1), -720, -1, "1601-01-01T00:00:00.000-12:00"},
    };
    for (const auto& c : cases) EXPECT_EQ(isoTimestamp(c.local, c.offset, c.millis), c.expected);
}

// The offset comes from the machine's conversion alone, and a wall time near a change of
// offset still gets the offset in force at its instant.
TEST(CalendarTest, OffsetThroughTheMachinesConversion) {
    constexpr std::int64_t kChange = 1774746000;  // 2026-03-29 01:00:00 UTC: +01:00 becomes +02:00
    auto summerTime = [](std::int64_t utc, std::tm& local) {
        local = utcFields(utc + (utc < kChange ? 3600 : 7200));
        return true;
    };
    auto fixed = [](std::int64_t utc, std::tm& local) {
        local = utcFields(utc - 5 * 3600);
        return true;
    };
    auto refuses = [](std::int64_t, std::tm&) { return false; };
    EXPECT_EQ(utcOffsetAt(fields(2026, 1, 15, 10), fixed), -300);
    EXPECT_EQ(utcOffsetAt(fields(2026, 3, 29, 1, 59, 59), summerTime), 60);
    EXPECT_EQ(utcOffsetAt(fields(2026, 3, 29, 3, 30), summerTime), 120);
    EXPECT_EQ(utcOffsetAt(fields(2026, 1, 15, 10), refuses), std::nullopt);
}

#ifndef _WIN32
// Wherever the host has timegm, both directions agree with it, a day at a time across the
// leap-year rules and both sides of 1970.
TEST(CalendarTest, AgreesWithTheHostsUtcFunctions) {
    for (std::int64_t day = -150000; day <= 150000; day += 97) {
        std::int64_t seconds = day * 86400 + (day % 86400 + 86400) % 86400;
        std::time_t t = static_cast<std::time_t>(seconds);
        std::tm host{};
        ASSERT_NE(gmtime_r(&t, &host), nullptr);
        ASSERT_EQ(text(utcFields(seconds)), text(host)) << seconds;
        ASSERT_EQ(secondsSinceEpoch(host), static_cast<std::int64_t>(timegm(&host)));
    }
}
#endif

}  // namespace
}  // namespace zlx::platform
