// The Qt view of the test window's log following the model line by line: each line must cost
// the same from 1k to 8k lines (compare items_per_second).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "qt/rich_text_view.h"
#include "ui/control.h"

namespace {

using namespace zlx;

void BM_QtLogFollowsChannelLines(benchmark::State& state) {
    const auto lines = static_cast<int>(state.range(0));
    for (auto _ : state) {
        ui::Control log;
        log.kind = ui::ControlKind::RichText;
        qt::RichTextView view;
        view.resize(400, 300);
        ui::richAppend(log, "Driver installation test\n", {0x0000FF, true, true});
        view.showRuns(log.runs, log.richRewrites, true);
        for (int i = 0; i < lines; ++i) {
            ui::richAppendPlain(log, "\r\n10:00:00 [DiagServ]Beginning DNS ping test.");
            view.showRuns(log.runs, log.richRewrites, true);
        }
        benchmark::DoNotOptimize(view.document()->blockCount());
    }
    state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(BM_QtLogFollowsChannelLines)->Arg(1000)->Arg(2000)->Arg(4000)->Arg(8000);

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
