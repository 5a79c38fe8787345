// The program left running on the built-in machine with the Current Status page open, its
// clock moved one simulated hour at a time for a day. An hour must cost the same however many
// hours are behind it, and the memory must not grow with them:
//   "cpu_ratio": CPU time per hour over hours 20 to 23 against hours 1 and 2 (goal <= 1.2);
//   "rss_ratio": resident memory after 24 hours against after 1 hour (goal <= 1.1).
// Both are measured in the same run; the reference is the same program earlier in its life.

#include <benchmark/benchmark.h>

#include <unistd.h>
#include <ctime>
#include <fstream>
#include <vector>

#include "launcher/program.h"
#include "platform/host.h"
#include "sim/scenario.h"
#include "ui/headless.h"

namespace {

using namespace zlx;

constexpr platform::Millis kHour = 3600 * 1000;
constexpr int kHours = 24;

double processCpuSeconds() {
    timespec t{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

double residentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / 1e6;
}

double mean(const std::vector<double>& v, int first, int last) {
    double sum = 0;
    for (int h = first; h <= last; ++h) sum += v[static_cast<std::size_t>(h)];
    return sum / (last - first + 1);
}

void BM_ADayWithTheCurrentStatusPageOpen(benchmark::State& state) {
    for (auto _ : state) {
        platform::host::PrivateInstanceScope scope;
        sim::Scenario scenario = sim::loadDefaultScenario();
        platform::ManualClock clock(scenario.machine.localTimeStart);
        ui::HeadlessServices services;
        launcher::Program program(scenario, clock, services,
                                  launcher::InstanceScope::shared(scope.path()), 0x10000);
        ui::HeadlessDriver driver(program.desktop(), clock);
        ui::StepInput input;
        driver.setInput(&input);

        // hourCpu[h]: the CPU time of hour h (1 to 24); rss[h]: resident memory after it.
        std::vector<double> hourCpu(kHours + 1), rss(kHours + 1);
        double started = 0;
        for (int h = 0; h <= kHours; ++h) {
            input.then([&, h] {
                const double now = processCpuSeconds();
                if (h > 0) {
                    hourCpu[static_cast<std::size_t>(h)] = now - started;
                    rss[static_cast<std::size_t>(h)] = residentMegabytes();
                }
                started = processCpuSeconds();
                if (h < kHours) driver.advanceBy(kHour);
            });
        }
        program.run({});

        const double early = mean(hourCpu, 1, 2), late = mean(hourCpu, 20, 23);
        state.counters["hour_1_2_ms"] = early * 1e3;
        state.counters["hour_20_23_ms"] = late * 1e3;
        state.counters["cpu_ratio"] = late / early;
        state.counters["rss_1h_MB"] = rss[1];
        state.counters["rss_24h_MB"] = rss[kHours];
        state.counters["rss_ratio"] = rss[kHours] / rss[1];
    }
}
BENCHMARK(BM_ADayWithTheCurrentStatusPageOpen)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
