// The memory of a run on a scenario whose ping output is far beyond what any ping keeps (the
// built-in machine with 100 MB of ping replies): the largest resident size of `zlxdiag
// --status` and of `zlxdiag --report` on it, as the kernel reports it for the finished child,
// against the scenario file's own size. "ratio" is the larger of the two over the file (goal:
// at most 2; reading the file is the least a run does with it).

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/temp_dir.h"

extern char** environ;

namespace {

constexpr std::size_t kReplies = 2'000'000;  // 50 bytes each

// The largest resident size of one run, in bytes; 0 when it could not start.
double peakBytes(std::vector<std::string> command) {
    std::vector<char*> argv;
    for (std::string& word : command) argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return 0;
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    return static_cast<double>(usage.ru_maxrss) * 1024;
}

void BM_RunsOnAHugePingOutput(benchmark::State& state) {
    zlx::testing::TempDir dir;
    const std::string path = dir.file("huge-ping.json");
    {
        std::ifstream in(std::string(ZLX_SOURCE_DIR) + "/scenarios/default.json");
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const std::string key = "\"output\": \"";
        std::size_t at = text.find(key, text.find("\"ping\"")) + key.size();
        // Written a reply at a time: the kernel counts a spawned child's peak from this
        // process's own, which must stay small.
        std::ofstream out(path);
        out << text.substr(0, at);
        for (std::size_t k = 0; k < kReplies; ++k)
            out << "Reply from 192.168.10.1: bytes=32 time=2ms TTL=64\\r\\n";
        out << text.substr(at);
    }
    const double fileBytes = static_cast<double>(std::filesystem::file_size(path));
    double status = 0, report = 0;
    for (auto _ : state) {
        status = std::max(status, peakBytes({ZLX_PROGRAM, "--status", "--scenario", path}));
        report = std::max(report, peakBytes({ZLX_PROGRAM, "--report", "--scenario", path}));
    }
    state.counters["file_MB"] = fileBytes / 1e6;
    state.counters["status_MB"] = status / 1e6;
    state.counters["report_MB"] = report / 1e6;
    state.counters["ratio"] = std::max(status, report) / fileBytes;
}
BENCHMARK(BM_RunsOnAHugePingOutput)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
