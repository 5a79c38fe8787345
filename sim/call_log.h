#pragma once
// The record of the calls that crossed into the simulated machine, one line each, so tests
// and the script mode can check what the program asked and how often.
//
// Nobody reads the record of an ordinary run, so a log that is not kept costs one check per
// call. A kept log stores each call as the values its line needs and makes the line only when
// it is read, in a ring of a fixed number of records.

#include "sim/platform_names.h"

#include <atomic>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <new>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace zlx::sim {

enum class CallRecording { Off, Kept };

// One call's values and the way to make its line from them.
class CallRecord {
  public:
    static constexpr std::size_t kCapacity = 96;

    template <typename Format>
    requires std::invocable<const Format&>
    explicit CallRecord(Format format) {
        static_assert(sizeof(Format) <= kCapacity && alignof(Format) <= alignof(std::max_align_t),
                      "a call's values must fit in its record");
        static_assert(std::is_nothrow_move_constructible_v<Format>);
        ::new (static_cast<void*>(storage_)) Format(std::move(format));
        ops_ = &kOps<Format>;
    }
    CallRecord(CallRecord&& other) noexcept : ops_(other.ops_) {
        ops_->move(storage_, other.storage_);
    }
    CallRecord& operator=(CallRecord&& other) noexcept {
        if (this != &other) {
            ops_->destroy(storage_);
            ops_ = other.ops_;
            ops_->move(storage_, other.storage_);
        }
        return *this;
    }
    CallRecord(const CallRecord&) = delete;
    CallRecord& operator=(const CallRecord&) = delete;
    ~CallRecord() { ops_->destroy(storage_); }

    std::string line() const { return ops_->line(storage_); }

  private:
    struct Ops {
        std::string (*line)(const void*);
        void (*move)(void* to, void* from) noexcept;
        void (*destroy)(void*) noexcept;
    };
    template <typename Format>
    static constexpr Ops kOps{
        [](const void* f) { return std::string((*static_cast<const Format*>(f))()); },
        [](void* to, void* from) noexcept {
            ::new (to) Format(std::move(*static_cast<Format*>(from)));
        },
        [](void* f) noexcept { static_cast<Format*>(f)->~Format(); },
    };

    alignas(std::max_align_t) unsigned char storage_[kCapacity];
    const Ops* ops_;
};

class CallLog {
  public:
    // A program that runs for hours on the simulated machine must not fill its memory with
    // the record: past this many records the oldest goes.
    static constexpr std::size_t kMaxRecords = std::size_t{1} << 16;

    explicit CallLog(CallRecording recording = CallRecording::Kept)
        : kept_(recording == CallRecording::Kept) {}

    // Whether calls are kept; values that cost something to capture are taken only then.
    bool kept() const { return kept_.load(std::memory_order_relaxed); }

    // `format` makes the line when the record is read: it must hold the values it needs.
    template <typename Format>
    requires std::invocable<const Format&>
    void record(Format format) {
        if (kept()) keep(CallRecord(std::move(format)));
    }
    void record(std::string line) {
        if (kept()) keep(CallRecord([line = std::move(line)] { return line; }));
    }

    // The lines recorded since the previous takeNew() that are still in the ring.
    std::vector<std::string> takeNew();
    std::vector<std::string> all() const;
    std::size_t count(std::string_view prefix) const;

  private:
    void keep(CallRecord record);
    // Record number `n` of all ever recorded; only those of the last kMaxRecords are kept.
    const CallRecord& at(std::uint64_t n) const { return records_[n % kMaxRecords]; }
    std::uint64_t oldest() const { return recorded_ - records_.size(); }
    std::vector<std::string> linesFrom(std::uint64_t first) const;

    std::atomic<bool> kept_;
    mutable std::mutex mutex_;
    std::vector<CallRecord> records_;
    std::uint64_t recorded_ = 0;
    std::uint64_t taken_ = 0;
};

// Pieces of log lines, so that every service writes values the same way.
std::string hex32(std::uint32_t value);  // 0x0001010D
std::string hex(std::uint64_t value);    // 0x40
std::string quoted(std::string_view text);

}  // namespace zlx::sim
