// What one clock tick costs the scheduler with the play field's timers
// running: the time to decide which timers are due and to run them.

#include <benchmark/benchmark.h>

#include "shell/game.h"
#include "shell/picture.h"
#include "level/play_layout.h"

namespace {

void BM_ClockTickWithTimersRunning(benchmark::State& state) {
    static const tt::NoPictures pictures;
    tt::Game game(pictures);
    game.start();
    game.click(tt::FormId::Main, "Command1");
    for (int i = 0; i < 100; ++i) game.tick();
    for (auto _ : state) game.tick();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ClockTickWithTimersRunning);

}  // namespace
