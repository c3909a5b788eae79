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
#include <string>

namespace {

using vexel::bench::Rig;

// Recorded: the game follows a recorder, as in the game executable, so that
// the cost of recording shows as the difference between the two.
void tickBenchmark(benchmark::State& state, void (*make)(Rig&), bool recorded)
{
    Rig rig(recorded);
    make(rig);
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

int main(int argc, char** argv)
{
    struct Board {
        const char* name;
        void (*make)(Rig&);
    };
    for (const Board board : {Board{"idle", vexel::bench::makeIdle}, Board{"busy", vexel::bench::makeBusy},
                              Board{"two_way", vexel::bench::makeTwoWay}}) {
        for (const bool recorded : {false, true}) {
            const std::string name = std::string("Tick/") + board.name + (recorded ? "/recorded" : "");
            benchmark::RegisterBenchmark(name.c_str(), tickBenchmark, board.make, recorded)
                ->UseManualTime()
                ->Unit(benchmark::kNanosecond);
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
