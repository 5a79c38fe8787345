// The link over time. One --watch sample (both pages' refreshes, the event check and the JSON
// line) against one refresh of the Current Status and Diagnostics pages together: the counter
// "ratio" is sample time / pages time (the goal is at most 1.2). And the memory in use after 24
// simulated hours of samples kept in the history and drawn as the open window's graph, against
// after 1 hour: the counter "memory_ratio" (the goal is at most 1.1).

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <chrono>
#include <cstdlib>

#include "app/process_start.h"
#include "context/user_messages.h"
#include "launcher/program.h"
#include "platform/host.h"
#include "status/diagnostics_page.h"
#include "status/link_history.h"
#include "status/link_status_page.h"
#include "status/prometheus_format.h"
#include "status/signal_history_window.h"
#include "status/status_format.h"
#include "status/status_sheet.h"
#include "ui/headless.h"

namespace {

using namespace zlx;
using Micros = std::chrono::duration<double, std::micro>;

// The built-in machine on the manual clock, put together as --watch puts it.
struct WatchBench {
    WatchBench()
        : scenario(sim::loadDefaultScenario()),
          program(scenario, clock, services, launcher::InstanceScope::ownProcess(), 0x10000) {
        adapterinfo::AdapterStateContext state = program.application().adapterState();
        app::initialiseProcess(state);
        adapterinfo::selectForDiagnosticsPage(state);
    }
    adapterinfo::AdapterStateContext state() { return program.application().adapterState(); }
    void advance() {
        clock.advanceTo(clock.now() + status::kRefreshPeriod, [] {});
    }
    platform::ManualClock clock;
    ui::HeadlessServices services;
    sim::Scenario scenario;
    launcher::Program program;
};

void BM_WatchSampleAgainstPages(benchmark::State& state) {
    WatchBench b;
    status::LinkStatusPage linkPage(b.state());
    status::DiagnosticsPage diagnosticsPage(b.state());
    linkPage.create(ui::kNoWindow);
    diagnosticsPage.create(ui::kNoWindow);
    status::LinkEventTracker tracker;
    Micros sampleTime{0}, pagesTime{0};
    std::uint64_t n = 0;
    // The first reader after the clock moves pays for advancing the simulated link, so the
    // two sides take turns at going first.
    auto sample = [&] {
        auto start = std::chrono::steady_clock::now();
        status::StatusSnapshot snapshot = status::takeStatusSnapshot(b.state());
        const platform::WallTime time = b.clock.wallTime();
        status::LinkSample taken =
            status::sampleOf(time, b.clock.now(), &snapshot.link, &snapshot.diagnostics);
        std::string lines;
        for (const auto& event : tracker.observe(taken, ++n))
            lines += status::formatEventJsonLine(event);
        lines += status::formatSampleJsonLine(time, snapshot);
        benchmark::DoNotOptimize(lines);
        sampleTime += std::chrono::steady_clock::now() - start;
    };
    auto pages = [&] {
        auto start = std::chrono::steady_clock::now();
        b.program.desktop().send(linkPage.handle(), context::kWmRefreshPage);
        b.program.desktop().send(diagnosticsPage.handle(), context::kWmRefreshPage);
        diagnosticsPage.saveControls();
        pagesTime += std::chrono::steady_clock::now() - start;
    };
    for (auto _ : state) {
        b.advance();
        if (n % 2 == 0) {
            sample();
            pages();
        } else {
            pages();
            sample();
        }
        b.program.simulated()->calls().takeNew();
    }
    const double count = static_cast<double>(state.iterations());
    state.counters["sample_us"] = sampleTime.count() / count;
    state.counters["pages_us"] = pagesTime.count() / count;
    state.counters["ratio"] = sampleTime.count() / pagesTime.count();
    linkPage.destroy();
    diagnosticsPage.destroy();
}

// One --watch sample in the Prometheus format (the snapshot, the event check and count, the
// exposition) against one JSON line of the same sample: the counter "ratio" (the goal is at
// most 1.2); "format_ratio" compares the texts alone, without the snapshot both take.
void BM_PrometheusSampleAgainstJsonLine(benchmark::State& state) {
    WatchBench b;
    status::LinkEventTracker jsonTracker, prometheusTracker;
    status::LinkEventCounts counts;
    Micros jsonTime{0}, prometheusTime{0}, jsonText{0}, prometheusText{0};
    std::uint64_t n = 0;
    auto timed = [&](Micros& total, Micros& text, auto format) {
        auto start = std::chrono::steady_clock::now();
        status::StatusSnapshot snapshot = status::takeStatusSnapshot(b.state());
        const platform::WallTime time = b.clock.wallTime();
        status::LinkSample taken =
            status::sampleOf(time, b.clock.now(), &snapshot.link, &snapshot.diagnostics);
        auto formatting = std::chrono::steady_clock::now();
        std::string out = format(taken, snapshot);
        benchmark::DoNotOptimize(out);
        auto end = std::chrono::steady_clock::now();
        total += end - start;
        text += end - formatting;
    };
    auto json = [&](const status::LinkSample& taken, const status::StatusSnapshot& snapshot) {
        std::string lines;
        for (const auto& event : jsonTracker.observe(taken, n))
            lines += status::formatEventJsonLine(event);
        return lines + status::formatSampleJsonLine(taken.time, snapshot);
    };
    auto prometheus = [&](const status::LinkSample& taken, const status::StatusSnapshot& snapshot) {
        counts.add(prometheusTracker.observe(taken, n));
        return status::formatStatusPrometheus(snapshot, &counts);
    };
    for (auto _ : state) {
        b.advance();
        ++n;
        // The first reader after the clock moves pays for advancing the simulated link.
        if (n % 2 == 0) {
            timed(jsonTime, jsonText, json);
            timed(prometheusTime, prometheusText, prometheus);
        } else {
            timed(prometheusTime, prometheusText, prometheus);
            timed(jsonTime, jsonText, json);
        }
        b.program.simulated()->calls().takeNew();
    }
    const double count = static_cast<double>(state.iterations());
    state.counters["prometheus_us"] = prometheusTime.count() / count;
    state.counters["json_us"] = jsonTime.count() / count;
    state.counters["ratio"] = prometheusTime.count() / jsonTime.count();
    state.counters["prometheus_text_us"] = prometheusText.count() / count;
    state.counters["json_text_us"] = jsonText.count() / count;
    state.counters["format_ratio"] = prometheusText.count() / jsonText.count();
}

double bytesInUse() {
    return static_cast<double>(mallinfo2().uordblks);
}

void BM_MemoryOverADay(benchmark::State& state) {
    for (auto _ : state) {
        WatchBench b;
        status::LinkHistory history;
        status::LinkEventTracker tracker;
        constexpr std::uint64_t kPerHour = 3600 / 2;
        double hour = 0, day = 0;
        for (std::uint64_t n = 1; n <= 24 * kPerHour; ++n) {
            b.advance();
            // What --watch does with a sample, and what the open window does.
            status::StatusSnapshot snapshot = status::takeStatusSnapshot(b.state());
            const platform::WallTime time = b.clock.wallTime();
            status::LinkSample sample =
                status::sampleOf(time, b.clock.now(), &snapshot.link, &snapshot.diagnostics);
            std::string lines;
            for (const auto& event : tracker.observe(sample, n))
                lines += status::formatEventJsonLine(event);
            lines += status::formatSampleJsonLine(time, snapshot);
            history.add(sample);
            ui::Graph graph = status::graphOf(history);
            benchmark::DoNotOptimize(graph);
            // The simulated machine's record of calls is the tests', not the program's.
            b.program.simulated()->calls().takeNew();
            if (n == kPerHour) hour = bytesInUse();
        }
        day = bytesInUse();
        state.counters["hour_kib"] = hour / 1024;
        state.counters["day_kib"] = day / 1024;
        state.counters["memory_ratio"] = day / hour;
    }
}

BENCHMARK(BM_WatchSampleAgainstPages)->Iterations(2000);
BENCHMARK(BM_PrometheusSampleAgainstJsonLine)->Iterations(2000);
BENCHMARK(BM_MemoryOverADay)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
