// The Qt view of the test window's log, shown and painted, following the model as channel
// lines arrive: what one more line costs must not depend on how long the log already is.
// Each iteration fills one log to 1k lines and one to 64k lines (untimed), then feeds each more
// lines on the event loop, as they reach the window program, and times the CPU of the whole
// feed: the deliveries, the view's insertions, layout and scrolling, and every paint it does,
// up to the paint that shows the last line. Two ways lines come:
// - A flood (BM_QtLogFlood): the IHV service's event floods (tests/hostile-inputs flood-*) send
//   ten events at one instant, a millisecond apart: 1,280 lines, ten a delivery, deliveries
//   due 1 ms apart. The view shows lines that follow shown ones at the end of their frame, so it
//   paints about once a frame, not once a delivery. This is the throughput the per-line goal is
//   about: "us_per_line_1k" and "us_per_line_64k" are the CPU time of one line, "ratio" the
//   second over the first (goals: at most 20 us a line at 64k, ratio at most 1.5).
//   "lines_per_paint" says how many lines each paint took in; "max_ms_to_paint" is the longest
//   any line waited from its delivery to the paint that showed it (wall time): a frame and the
//   time its insertion and paint take, never the flood's end.
// - One line a turn (BM_QtLogOneLineATurn): an ordinary run's lines, a fifth of a second or
//   more apart, each shown and painted on its own. Here 128 lines, 20 ms apart: any gap longer
//   than the view's frame (16 ms) is one turn and one paint a line. Its cost is that of a turn:
//   "us_per_turn_1k", "us_per_turn_64k" and their "ratio" (goal: at most 1.5, the cost not
//   growing with the log).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <utility>

#include "qt/rich_text_view.h"
#include "ui/control.h"

namespace {

using namespace zlx;

const char* const kLine = "\r\n10:00:00 [DiagServ]Beginning DNS ping test.";

struct Feed {
    int lines;
    int perDelivery;
    int gapMs;
};
constexpr Feed kFlood{1280, 10, 1};
constexpr Feed kOneLineATurn{128, 1, 20};

double processCpuMicros() {
    timespec t{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

struct Timing {
    double cpuMicros = 0;
    double maxMsToPaint = 0;
    int paints = 0;
};

// Counts the view's paints, and when the last one shows every line fed, ends the feed's loop.
class PaintWatch final : public QObject {
  public:
    std::function<void()> onPaint;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && onPaint) onPaint();
        return false;
    }
};

struct ShownLog {
    explicit ShownLog(int lines) {
        log.kind = ui::ControlKind::RichText;
        view.resize(400, 300);
        view.show();
        ui::richAppend(log, "Driver installation test\n", {0x0000FF, true, true});
        for (int i = 0; i < lines; ++i) ui::richAppendPlain(log, kLine);
        log.scrolledToEnd = true;  // as the test window asks after each line
        view.showRuns(log);
        view.flush();
        QCoreApplication::processEvents();
    }

    Timing feed(const Feed& feed) {
        const int blocksBefore = view.document()->blockCount();
        const int deliveries = feed.lines / feed.perDelivery;
        int delivered = 0;
        int shownDeliveries = 0;
        Timing timing;
        QElapsedTimer clock;
        QEventLoop loop;
        PaintWatch watch;
        watch.onPaint = [&] {
            ++timing.paints;
            // A paint shows what the document holds: the deliveries it has taken in, each due
            // at its place in the feed's schedule.
            const int shown = (view.document()->blockCount() - blocksBefore) / feed.perDelivery;
            for (; shownDeliveries < shown; ++shownDeliveries)
                timing.maxMsToPaint =
                    std::max(timing.maxMsToPaint,
                             static_cast<double>(clock.elapsed() - shownDeliveries * feed.gapMs));
            if (shownDeliveries == deliveries) loop.quit();
        };
        view.viewport()->installEventFilter(&watch);
        // The sender keeps its own pace: deliveries fall due every gapMs whatever the program
        // does, and one that is late finds the later ones due with it, as lines queued for a
        // busy loop.
        QTimer deliver;
        deliver.setTimerType(Qt::PreciseTimer);
        QObject::connect(&deliver, &QTimer::timeout, [&] {
            for (; delivered < deliveries && delivered * feed.gapMs <= clock.elapsed(); ++delivered)
                for (int i = 0; i < feed.perDelivery; ++i) {
                    ui::richAppendPlain(log, kLine);
                    log.scrolledToEnd = true;  // as the test window asks after each line
                    view.showRuns(log);
                }
            if (delivered == deliveries) deliver.stop();
        });
        const double start = processCpuMicros();
        clock.start();
        deliver.start(feed.gapMs);
        loop.exec();
        timing.cpuMicros = processCpuMicros() - start;
        view.viewport()->removeEventFilter(&watch);
        return timing;
    }
    ui::Control log;
    qt::RichTextView view;
};

struct Both {
    double small = 0, large = 0, maxMsToPaint = 0, paints = 0;
};

// The CPU time of a feed on a log of 1k lines and on one of 64k, averaged over the iterations.
Both timeBoth(benchmark::State& state, const Feed& feed) {
    Both both;
    for (auto _ : state) {
        state.PauseTiming();
        // One log at a time: a shown view takes its share of every turn.
        auto shortLog = std::make_unique<ShownLog>(1000);
        state.ResumeTiming();
        Timing small = shortLog->feed(feed);
        state.PauseTiming();
        shortLog.reset();
        auto longLog = std::make_unique<ShownLog>(64000);
        state.ResumeTiming();
        Timing large = longLog->feed(feed);
        state.PauseTiming();
        longLog.reset();
        state.ResumeTiming();
        both.small += small.cpuMicros;
        both.large += large.cpuMicros;
        both.maxMsToPaint = std::max({both.maxMsToPaint, small.maxMsToPaint, large.maxMsToPaint});
        both.paints += small.paints + large.paints;
    }
    const double n = static_cast<double>(state.iterations());
    both.small /= n;
    both.large /= n;
    both.paints /= 2 * n;
    return both;
}

void BM_QtLogFlood(benchmark::State& state) {
    Both both = timeBoth(state, kFlood);
    state.counters["us_per_line_1k"] = both.small / kFlood.lines;
    state.counters["us_per_line_64k"] = both.large / kFlood.lines;
    state.counters["ratio"] = both.large / both.small;
    state.counters["max_ms_to_paint"] = both.maxMsToPaint;
    state.counters["lines_per_paint"] = kFlood.lines / both.paints;
}
BENCHMARK(BM_QtLogFlood)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_QtLogOneLineATurn(benchmark::State& state) {
    Both both = timeBoth(state, kOneLineATurn);
    state.counters["us_per_turn_1k"] = both.small / kOneLineATurn.lines;
    state.counters["us_per_turn_64k"] = both.large / kOneLineATurn.lines;
    state.counters["ratio"] = both.large / both.small;
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
