#pragma once
// The status as Prometheus metrics (the text exposition format 0.0.4), for --status and for
// --watch, whose samples a node_exporter or windows_exporter textfile collector hands on.
// Names carry the zlx_ prefix and their base unit; counters end in _total; every sample has
// an "interface" label with the interface's GUID. A value that did not arrive is left out.

#include <cstdint>
#include <string>
#include <vector>

#include "status/link_history.h"
#include "status/status_snapshot.h"

namespace zlx::status {

// The link events a watch has seen since it started, as counters only ever go up.
struct LinkEventCounts {
    std::uint64_t disconnects = 0;
    std::uint64_t roams = 0;
    std::uint64_t radioOffs = 0;

    void add(const std::vector<LinkEvent>& events);
};

// One exposition of `snapshot`; with `events` (a watch), the event counters too.
std::string formatStatusPrometheus(const StatusSnapshot& snapshot,
                                   const LinkEventCounts* events = nullptr);

}  // namespace zlx::status
