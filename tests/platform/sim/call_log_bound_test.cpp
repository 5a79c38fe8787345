#include "platform/sim/call_log.h"

#include <gtest/gtest.h>

namespace zlx::platform::sim {
namespace {

TEST(CallLogTest, StaysBoundedAndKeepsWhatWasNotTakenYet) {
    CallLog log;
    for (std::size_t i = 0; i < CallLog::kMaxLines; ++i) log.record("old");
    EXPECT_EQ(log.takeNew().size(), CallLog::kMaxLines);
    log.record("a");  // drops the oldest half first
    log.record("b");
    EXPECT_LE(log.all().size(), CallLog::kMaxLines);
    EXPECT_EQ(log.takeNew(), (std::vector<std::string>{"a", "b"}));
}

}  // namespace
}  // namespace zlx::platform::sim
