// What a whole command-line run of zlxdiag costs in CPU time, against a reference program run
// the same way in the same benchmark: `--version` against a bare C++ program that prints one
// line (goal: at most 1.3), `--report` against a program that reads the same scenario with
// nlohmann-json and prints it (goal: at most 1.3). The counter "ratio" is zlxdiag's CPU time over
// the reference's, both measured as the CPU time of finished child processes.

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <string>

#include <vector>
#include "child_cpu.h"

extern char** environ;

namespace {

double runOnce(const std::vector<std::string>& command) {
    return zlx::bench::runQuietly(command, environ);
}

// Alternates the two programs so that both see the same machine; CPU time is summed over
// enough runs for the kernel's tick-based accounting to settle.
void compare(benchmark::State& state, const std::vector<std::string>& program,
             const std::vector<std::string>& reference) {
    double programCpu = 0, referenceCpu = 0;
    for (auto _ : state) {
        for (int i = 0; i < 20; ++i) {
            programCpu += runOnce(program);
            referenceCpu += runOnce(reference);
        }
    }
    state.counters["program_ms"] =
        programCpu * 1000 / (20.0 * static_cast<double>(state.iterations()));
    state.counters["reference_ms"] =
        referenceCpu * 1000 / (20.0 * static_cast<double>(state.iterations()));
    state.counters["ratio"] = referenceCpu > 0 ? programCpu / referenceCpu : 0;
}

void BM_VersionAgainstBareHello(benchmark::State& state) {
    compare(state, {ZLX_PROGRAM, "--version"}, {ZLX_HELLO});
}
BENCHMARK(BM_VersionAgainstBareHello)->Iterations(10)->Unit(benchmark::kMillisecond);

void BM_ReportAgainstScenarioReader(benchmark::State& state) {
    const std::string scenario = std::string(ZLX_SOURCE_DIR) + "/scenarios/default.json";
    compare(state, {ZLX_PROGRAM, "--report", "--scenario", scenario},
            {ZLX_SCENARIO_READER, scenario});
}
BENCHMARK(BM_ReportAgainstScenarioReader)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
