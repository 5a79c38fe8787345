#pragma once
// The thread's CPU clock, which other programs on a busy machine do not advance, and what one
// reading of it costs: a few hundred nanoseconds, which a timed interval holds once besides its
// own work and which a benchmark takes off both sides of its ratio.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <ctime>

namespace zlx::bench {

inline double threadCpuNanos() {
    timespec t{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec);
}

// The median, over blocks of a thousand, of one reading's cost.
inline double clockReadNanos() {
    constexpr int kReads = 1000;
    std::array<double, 15> blocks{};
    for (double& block : blocks) {
        const double start = threadCpuNanos();
        for (int i = 0; i < kReads; ++i) benchmark::DoNotOptimize(threadCpuNanos());
        block = (threadCpuNanos() - start) / (kReads + 1);
    }
    std::nth_element(blocks.begin(), blocks.begin() + blocks.size() / 2, blocks.end());
    return blocks[blocks.size() / 2];
}

}  // namespace zlx::bench
