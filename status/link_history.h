#pragma once
// The link over time: one sample per status refresh, the events seen between samples, and
// the last ten minutes of both kept in fixed rings from program start.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "status/status_snapshot.h"

namespace zlx::status {

// One refresh of the link as a row of the time series. A part that this refresh did not read
// (the sheet refreshes only the page on show) is absent, not a reading.
struct LinkSample {
    platform::WallTime time;
    platform::Millis reading = 0;  // the clock's reading
    std::optional<LinkReadings> link;
    // The page's and the dialog's texts, with `link`.
    std::string linkStatus, signalText, qualityText, rxText, txText;
    // With `statistics`: the counters the series keeps.
    std::optional<bool> statistics;
    std::optional<std::uint64_t> framesTransmitted, framesReceived, framesRetried, framesDropped;
};

// An access point's address as the pages write it: "00-1B-2C-3D-4E-5F".
std::string bssidText(const std::array<std::uint8_t, 6>& mac);

LinkSample sampleOf(const platform::WallTime& time, platform::Millis reading,
                    const LinkSnapshot* link, const DiagnosticsSnapshot* diagnostics);

enum class LinkEventKind {
    Disconnect,
    Reconnect,
    Roam,
    RadioOff,
    RadioOn,
    StatisticsUnavailable,
    StatisticsAvailable,
};
// "disconnect", "reconnect", "roam", "radioOff", "radioOn", "statisticsUnavailable",
// "statisticsAvailable".
const char* linkEventName(LinkEventKind kind);

struct LinkEvent {
    platform::WallTime time;  // the sample's that saw it
    platform::Millis reading = 0;
    LinkEventKind kind = LinkEventKind::Disconnect;
    // What changed, as plain words: "hardware", "00-1B-2C-3D-4E-5F 6 -> 00-1B-2C-3D-4E-60 11".
    std::string detail;
    std::uint64_t sample = 0;  // the number of the sample that saw it
};

// Compares each sample with the last one that read the same part.
class LinkEventTracker {
  public:
    std::vector<LinkEvent> observe(const LinkSample& sample, std::uint64_t number);

  private:
    std::optional<LinkReadings> link_;
    std::optional<bool> statistics_;
};

// A ring of a fixed number of entries: the oldest goes when a new one comes.
template <typename T, std::size_t N>
class FixedRing {
  public:
    void push(T value) {
        items_[(first_ + size_) % N] = std::move(value);
        if (size_ < N)
            ++size_;
        else
            first_ = (first_ + 1) % N;
    }
    std::size_t size() const { return size_; }
    static constexpr std::size_t capacity() { return N; }
    // Oldest first.
    const T& operator[](std::size_t i) const { return items_[(first_ + i) % N]; }
    const T& back() const { return (*this)[size_ - 1]; }

  private:
    std::array<T, N> items_{};
    std::size_t first_ = 0, size_ = 0;
};

// Ten minutes of samples at the sheet's two-second refresh.
inline constexpr std::size_t kHistorySamples = 300;

class LinkHistory {
  public:
    // Adds one sample and the events it shows.
    void add(const LinkSample& sample);

    const FixedRing<LinkSample, kHistorySamples>& samples() const { return samples_; }
    const FixedRing<LinkEvent, kHistorySamples>& events() const { return events_; }
    // The number the next sample gets; the oldest kept is added() - samples().size().
    std::uint64_t added() const { return added_; }

  private:
    FixedRing<LinkSample, kHistorySamples> samples_;
    FixedRing<LinkEvent, kHistorySamples> events_;
    LinkEventTracker tracker_;
    std::uint64_t added_ = 0;
};

}  // namespace zlx::status
