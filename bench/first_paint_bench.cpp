// The program's first painted window against a bare Qt program that shows a window with one
// QTabWidget (bench/reference/bare_tab_window.cpp), both on the offscreen platform and both
// ended on the loop's turn after their first paint (bench/reference/
// exit_after_first_paint.cpp). The program is zlxdiag-window's own main() on the built-in
// machine. Each run's CPU time is that of the finished child; the two alternate, and "ratio"
// is the median of the program's runs over the median of the reference's (goal: at most 1.2).

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>
#include <algorithm>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>
#include "child_cpu.h"

namespace {

double runOnce(const char* program, std::vector<std::string>& environment) {
    std::vector<char*> env;
    for (std::string& entry : environment) env.push_back(entry.data());
    env.push_back(nullptr);
    return zlx::bench::runQuietly({program}, env.data());
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void BM_FirstPaintAgainstBareTabWindow(benchmark::State& state) {
    std::string folder = (std::filesystem::temp_directory_path() / "zlxbench-XXXXXX").string();
    if (!::mkdtemp(folder.data())) {
        state.SkipWithError("no temporary folder for the instance files");
        return;
    }
    std::vector<std::string> environment = {
        "QT_QPA_PLATFORM=offscreen", "DISPLAY=:0", "ZLXDIAG_INSTANCE_DIR=" + folder,
        std::string("HOME=") + (std::getenv("HOME") ? std::getenv("HOME") : "/tmp"),
        std::string("PATH=") + (std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin")};
    std::vector<double> program, reference;
    for (auto _ : state) {
        for (int i = 0; i < 10; ++i) {
            program.push_back(runOnce(ZLX_FIRST_PAINT_PROGRAM, environment));
            reference.push_back(runOnce(ZLX_BARE_TAB_WINDOW, environment));
        }
    }
    std::filesystem::remove_all(folder);
    state.counters["program_ms"] = median(program) * 1000;
    state.counters["reference_ms"] = median(reference) * 1000;
    state.counters["ratio"] = median(reference) > 0 ? median(program) / median(reference) : 0;
}
BENCHMARK(BM_FirstPaintAgainstBareTabWindow)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
