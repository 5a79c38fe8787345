// The Qt view of the test window's log, shown and painted, following the model as channel
// lines arrive: what one more line costs must not depend on how long the log already is.
// Each iteration fills one log to 1k lines and one to 64k lines (untimed), then times the next
// 1,024 lines on each, arriving 16 to a turn of the event loop, painted after every turn.
// "us_per_line_1k" and "us_per_line_64k" are the CPU time of one line on each; "ratio" is the
// second over the first (goal: at most 1.5, and at most 20 us a line).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <ctime>
#include <memory>

#include "qt/rich_text_view.h"
#include "ui/control.h"

namespace {

using namespace zlx;

constexpr int kMeasuredLines = 1024;
constexpr int kLinesPerTurn = 16;
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
    }
    // The CPU time of one more line, in microseconds.
    double nextLines() {
        const double start = processCpuMicros();
        for (int turn = 0; turn < kMeasuredLines / kLinesPerTurn; ++turn) {
            for (int i = 0; i < kLinesPerTurn; ++i) {
                ui::richAppendPlain(log, kLine);
                log.scrolledToEnd = true;  // as the test window asks after each line
                view.showRuns(log);
            }
            QCoreApplication::processEvents();
        }
        return (processCpuMicros() - start) / kMeasuredLines;
    }
    ui::Control log;
    qt::RichTextView view;
};

void BM_QtLogPerLineAt1kAnd64k(benchmark::State& state) {
    double small = 0, large = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto shortLog = std::make_unique<ShownLog>(1000);
        auto longLog = std::make_unique<ShownLog>(64000);
        state.ResumeTiming();
        small += shortLog->nextLines();
        large += longLog->nextLines();
        state.PauseTiming();
        shortLog.reset();
        longLog.reset();
        state.ResumeTiming();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["us_per_line_1k"] = small / n;
    state.counters["us_per_line_64k"] = large / n;
    state.counters["ratio"] = large / small;
}
BENCHMARK(BM_QtLogPerLineAt1kAnd64k)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
