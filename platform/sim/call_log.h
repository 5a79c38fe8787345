#pragma once
// The record of every call that crossed into the simulated machine, one line each, so tests
// and the script mode can check what the program asked and how often.

#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace zlx::platform::sim {

class CallLog {
  public:
    // A program that runs for hours on the simulated machine must not fill its memory with
    // the record: past this many lines the oldest half is dropped.
    static constexpr std::size_t kMaxLines = 200000;

    void record(std::string line);
    // The lines recorded since the previous takeNew().
    std::vector<std::string> takeNew();
    std::vector<std::string> all() const;
    std::size_t count(std::string_view prefix) const;

  private:
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
    std::size_t taken_ = 0;
};

// Pieces of log lines, so that every service writes values the same way.
std::string hex32(std::uint32_t value);  // 0x0001010D
std::string hex(std::uint64_t value);    // 0x40
std::string quoted(std::string_view text);

}  // namespace zlx::platform::sim
