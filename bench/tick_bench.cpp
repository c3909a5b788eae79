// One tick of Frame_Timer, headless, in three kinds of play.
//
// A benchmark iteration restores a saved board (untimed) and then runs
// SafeTicks ticks under a steady clock; the time reported for it is the mean
// of those ticks, so the "Time" column is per tick. Restoring keeps the board
// as busy on the millionth iteration as on the first, and no benchmark can
// ever reach the game-over path: that is checked after the run.

#include "board_states.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using vexel::bench::Rig;

template <void (*Make)(Rig&)> void tickBenchmark(benchmark::State& state)
{
    Rig rig;
    Make(rig);
    rig.snapshot();
    const int bulletsAtStart = vexel::bench::visibleBullets(rig.form().scene());
    const int chargingAtStart = vexel::bench::chargingGuns(rig.form().scene());
    const unsigned long loadsAtStart = rig.form().loads();

    for (auto _ : state) {
        rig.restore();
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < vexel::bench::SafeTicks; ++i)
            rig.host.tick();
        const auto stop = std::chrono::steady_clock::now();
        const std::chrono::duration<double> elapsed = stop - start;
        state.SetIterationTime(elapsed.count() / vexel::bench::SafeTicks);
    }

    if (rig.form().loads() != loadsAtStart || rig.host.reloads() != 0)
        state.SkipWithError("the game was lost during the benchmark");
    if (!rig.host.timerEnabled())
        state.SkipWithError("the game stopped running");
    state.counters["bullets"] = bulletsAtStart;
    state.counters["charging"] = chargingAtStart;
}

} // namespace

BENCHMARK(tickBenchmark<vexel::bench::makeIdle>)
    ->Name("Tick/idle")
    ->UseManualTime()
    ->Unit(benchmark::kNanosecond);
BENCHMARK(tickBenchmark<vexel::bench::makeBusy>)
    ->Name("Tick/busy")
    ->UseManualTime()
    ->Unit(benchmark::kNanosecond);
BENCHMARK(tickBenchmark<vexel::bench::makeTwoWay>)
    ->Name("Tick/two_way")
    ->UseManualTime()
    ->Unit(benchmark::kNanosecond);

BENCHMARK_MAIN();
