// The Qt view of the test window's log, shown and painted, following the model as channel
// lines arrive: what one more line costs must not depend on how long the log already is.
// Each iteration fills one log to 1k lines and one to 64k lines (untimed), then times the next
// 1,280 lines on each, a number of lines to each turn of the event loop, painted after every
// turn. Two ways lines come:
// - A flood (BM_QtLogFlood): the IHV service's event floods (tests/hostile-inputs flood-*) send
//   ten events at one instant, a millisecond apart, and the window program, keeping up, paints
//   after each ten (median 10 lines a paint over the 50,000-event flood on the offscreen
//   platform). This is the throughput the per-line goal is about: "us_per_line_1k" and
//   "us_per_line_64k" are the CPU time of one line, "ratio" the second over the first (goals:
//   at most 20 us a line at 64k, ratio at most 1.5).
// - One line a turn (BM_QtLogOneLineATurn): an ordinary run's lines, a fifth of a second or
//   more apart, each painted on its own. Its cost is that of a turn: "us_per_turn_1k",
//   "us_per_turn_64k" and their "ratio" (goal: at most 1.5, the cost not growing with the log).

#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <utility>

#include "qt/rich_text_view.h"
#include "ui/control.h"

namespace {

using namespace zlx;

constexpr int kMeasuredLines = 1280;
constexpr int kFloodLinesPerTurn = 10;
const char* const kLine = "\r\n10:00:00 [DiagServ]Beginning DNS ping test.";

double processCpuMicros() {
    timespec t{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

struct ShownLog {
    explicit ShownLog(int lines) {
        log.kind = ui::ControlKind::RichText;
        view.resize(400, 300);
        view.show();
        ui::richAppend(log, "Driver installation test\n", {0x0000FF, true, true});
        for (int i = 0; i < lines; ++i) ui::richAppendPlain(log, kLine);
        log.scrolledToEnd = true;  // as the test window asks after each line
        view.showRuns(log);
        QCoreApplication::processEvents();
        // A log that grew line by line is laid out whole; one filled in one insertion is laid
        // out in steps on later turns, which would be timed with the lines that follow.
        view.document()->documentLayout()->documentSize();
        QCoreApplication::processEvents();
    }
    // The CPU time of the next kMeasuredLines lines, `perTurn` to a turn, in microseconds.
    double nextLines(int perTurn) {
        const double start = processCpuMicros();
        for (int turn = 0; turn < kMeasuredLines / perTurn; ++turn) {
            for (int i = 0; i < perTurn; ++i) {
                ui::richAppendPlain(log, kLine);
                log.scrolledToEnd = true;  // as the test window asks after each line
                view.showRuns(log);
            }
            // The first turn shows the lines, the second paints them: the paint request the
            // first posts waits behind the events already queued, as in the program's loop,
            // where it comes before the next lines' turn.
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
        }
        return processCpuMicros() - start;
    }
    ui::Control log;
    qt::RichTextView view;
};

// CPU time of kMeasuredLines lines on a log of 1k lines and on one of 64k, `perTurn` a turn.
std::pair<double, double> timeBoth(benchmark::State& state, int perTurn) {
    double small = 0, large = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // One log at a time: a shown view takes its share of every turn.
        auto shortLog = std::make_unique<ShownLog>(1000);
        state.ResumeTiming();
        small += shortLog->nextLines(perTurn);
        state.PauseTiming();
        shortLog.reset();
        auto longLog = std::make_unique<ShownLog>(64000);
        state.ResumeTiming();
        large += longLog->nextLines(perTurn);
        state.PauseTiming();
        longLog.reset();
        state.ResumeTiming();
    }
    const double n = static_cast<double>(state.iterations());
    return {small / n, large / n};
}

void BM_QtLogFlood(benchmark::State& state) {
    auto [small, large] = timeBoth(state, kFloodLinesPerTurn);
    state.counters["us_per_line_1k"] = small / kMeasuredLines;
    state.counters["us_per_line_64k"] = large / kMeasuredLines;
    state.counters["ratio"] = large / small;
}
BENCHMARK(BM_QtLogFlood)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_QtLogOneLineATurn(benchmark::State& state) {
    auto [small, large] = timeBoth(state, 1);
    state.counters["us_per_turn_1k"] = small / kMeasuredLines;
    state.counters["us_per_turn_64k"] = large / kMeasuredLines;
    state.counters["ratio"] = large / small;
}
BENCHMARK(BM_QtLogOneLineATurn)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
