// Adding a diagnostic channel line to the test window: the cost per line must stay the same
// however long the log already is (compare items_per_second from 1k to 8k lines), in the window
// model and in the Qt view that follows it.

#include <benchmark/benchmark.h>

#include "context/user_messages.h"
#include "resources/resource_ids.h"
#include "support/program_fixture.h"
#include "testwindow/line_format.h"
#include "testwindow/results_window.h"

namespace {

using namespace zlx;

void BM_TestWindowChannelLines(benchmark::State& state) {
    auto f = testing::ProgramFixture::defaultMachine();
    const auto lines = static_cast<int>(state.range(0));
    const std::string line = "[DiagServ]Beginning DNS ping test.";
    for (auto _ : state) {
        testwindow::TestWindow window(f.context(), f.program().application().driver(), false);
        window.create(ui::kNoWindow);
        // A coloured line first, so the first channel line pays for dropping the colours.
        f.desktop().post(window.handle(), context::kWmAddTestLine, testwindow::kLineName, 0, "x");
        for (int i = 0; i < lines; ++i)
            f.desktop().post(window.handle(), context::kWmAddTestLine, testwindow::kLineChannel, 0,
                             line);
        f.desktop().dispatchAll();
        benchmark::DoNotOptimize(window.control(resources::kIdcMessages)->runs.size());
        window.destroy();
    }
    state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(BM_TestWindowChannelLines)->Arg(1000)->Arg(2000)->Arg(4000)->Arg(8000);

}  // namespace
