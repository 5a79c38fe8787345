#include "sim/call_log.h"

#include <gtest/gtest.h>

namespace zlx::sim {
namespace {

TEST(CallLogTest, StaysBoundedAndKeepsWhatWasNotTakenYet) {
    CallLog log;
    for (std::size_t i = 0; i < CallLog::kMaxRecords; ++i) log.record("old");
    EXPECT_EQ(log.takeNew().size(), CallLog::kMaxRecords);
    log.record("a");  // takes the place of the oldest
    log.record([n = 2] { return "b" + std::to_string(n); });
    EXPECT_EQ(log.all().size(), CallLog::kMaxRecords);
    EXPECT_EQ(log.all().back(), "b2");
    EXPECT_EQ(log.takeNew(), (std::vector<std::string>{"a", "b2"}));
    EXPECT_TRUE(log.takeNew().empty());
    // Lines are escaped when read, whatever the values were.
    log.record(std::string("tab\there"));
    EXPECT_EQ(log.takeNew(), (std::vector<std::string>{"tab\\there"}));
}

TEST(CallLogTest, KeepsNothingWhenNobodyReads) {
    CallLog log(CallRecording::Off);
    bool formatted = false;
    log.record([&formatted] {
        formatted = true;
        return std::string("never");
    });
    EXPECT_FALSE(formatted);
    EXPECT_TRUE(log.all().empty());
    EXPECT_TRUE(log.takeNew().empty());
}

}  // namespace
}  // namespace zlx::sim
