// The program's first painted window against a bare Qt program that shows a window with a
// QTabWidget (bench/reference/bare_tab_window.cpp), both on the offscreen platform and both
// ended on the loop's turn after their first paint (bench/reference/
// exit_after_first_paint.cpp). The program is zlxdiag-window, which the desktop entry starts, on
// the built-in machine. Each run's CPU time is that of the finished child; the runs alternate, and
// a ratio is the median of the program's runs over the median of a reference's (goal: at most 1.2).
// "ratio" compares with the bare window shown at the program's window's size, with the same
// three tabs: both then allocate and paint the same pixels, and what is left is the program's
// own work. "ratio_small_window" compares with the tab widget at its own size, a window a
// fraction of the program's, as this benchmark first did.

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>
#include <algorithm>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>
#include "child_cpu.h"

namespace {

double runOnce(const std::vector<std::string>& command, std::vector<std::string> environment) {
    std::vector<char*> env;
    for (std::string& entry : environment) env.push_back(entry.data());
    env.push_back(nullptr);
    return zlx::bench::runQuietly(command, env.data());
}

// The size of the program's first painted window, from a run that is not timed.
std::vector<std::string> windowSize(const std::vector<std::string>& environment,
                                    const std::string& folder) {
    const std::string file = folder + "/size";
    std::vector<std::string> told = environment;
    told.push_back("ZLX_FIRST_PAINT_SIZE=" + file);
    runOnce({ZLX_FIRST_PAINT_PROGRAM}, told);
    std::ifstream in(file);
    std::string width, height;
    if (!(in >> width >> height)) return {};
    return {width, height};
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
    const std::vector<std::string> size = windowSize(environment, folder);
    if (size.empty()) {
        std::filesystem::remove_all(folder);
        state.SkipWithError("the program painted no window");
        return;
    }
    std::vector<std::string> sameSize = {ZLX_BARE_TAB_WINDOW, size[0], size[1]};
    std::vector<double> program, reference, small;
    for (auto _ : state) {
        for (int i = 0; i < 10; ++i) {
            program.push_back(runOnce({ZLX_FIRST_PAINT_PROGRAM}, environment));
            reference.push_back(runOnce(sameSize, environment));
            small.push_back(runOnce({ZLX_BARE_TAB_WINDOW}, environment));
        }
    }
    std::filesystem::remove_all(folder);
    state.counters["program_ms"] = median(program) * 1000;
    state.counters["reference_ms"] = median(reference) * 1000;
    state.counters["small_window_ms"] = median(small) * 1000;
    state.counters["ratio"] = median(reference) > 0 ? median(program) / median(reference) : 0;
    state.counters["ratio_small_window"] = median(small) > 0 ? median(program) / median(small) : 0;
    state.SetLabel(size[0] + "x" + size[1] + " px");
}
BENCHMARK(BM_FirstPaintAgainstBareTabWindow)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
