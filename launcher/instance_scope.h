#pragma once
// Where a run keeps its kernel objects (the single-instance guard, the named mutexes): in a
// scope (platform/host.h) that every copy of the program naming it shares, or in this process
// alone, for a run on a simulated machine that must meet no other copy.

#include <optional>
#include <string>

namespace zlx::launcher {

struct InstanceScope {
    static InstanceScope shared(std::string path) { return InstanceScope{std::move(path)}; }
    static InstanceScope ownProcess() { return InstanceScope{}; }

    // None: the objects live in this process.
    std::optional<std::string> path;
};

}  // namespace zlx::launcher
