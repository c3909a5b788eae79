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

// One stretch of SafeTicks ticks from the saved board; seconds per tick.
double timedTicks(Rig& rig)
{
    rig.restore();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < vexel::bench::SafeTicks; ++i)
        rig.host.tick();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / vexel::bench::SafeTicks;
}

void checkAfterwards(benchmark::State& state, Rig& rig, unsigned long loadsAtStart)
{
    if (rig.form().loads() != loadsAtStart || rig.host.reloads() != 0)
        state.SkipWithError("the game was lost during the benchmark");
    if (!rig.host.timerEnabled())
        state.SkipWithError("the game stopped running");
}

void tickBenchmark(benchmark::State& state, void (*make)(Rig&))
{
    Rig rig;
    make(rig);
    rig.snapshot();
    const int bulletsAtStart = vexel::bench::visibleBullets(rig.form().scene());
    const int chargingAtStart = vexel::bench::chargingGuns(rig.form().scene());
    const unsigned long loadsAtStart = rig.form().loads();

    for (auto _ : state)
        state.SetIterationTime(timedTicks(rig));

    checkAfterwards(state, rig, loadsAtStart);
    state.counters["bullets"] = bulletsAtStart;
    state.counters["charging"] = chargingAtStart;
}

// The cost of recording: the same board twice, once followed by a recorder
// as in the game executable. The two take turns within every iteration,
// the first going first every other time, so that whatever else the
// machine does falls on both alike. The time shown is the recorded one;
// the counters give both means per tick and the difference.
void recordingCost(benchmark::State& state, void (*make)(Rig&))
{
    Rig plain;
    Rig recorded(true);
    make(plain);
    make(recorded);
    plain.snapshot();
    recorded.snapshot();
    const unsigned long loadsAtStart = plain.form().loads();

    double plainSeconds = 0;
    double recordedSeconds = 0;
    bool plainFirst = true;
    for (auto _ : state) {
        const double first = timedTicks(plainFirst ? plain : recorded);
        const double second = timedTicks(plainFirst ? recorded : plain);
        plainSeconds += plainFirst ? first : second;
        recordedSeconds += plainFirst ? second : first;
        state.SetIterationTime(plainFirst ? second : first);
        plainFirst = !plainFirst;
    }

    checkAfterwards(state, plain, loadsAtStart);
    checkAfterwards(state, recorded, loadsAtStart);
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["plain_ns"] = 1e9 * plainSeconds / iterations;
    state.counters["recorded_ns"] = 1e9 * recordedSeconds / iterations;
    state.counters["cost_%"] = 100.0 * (recordedSeconds / plainSeconds - 1.0);
}

} // namespace

// Each board plain, and with recording's cost beside it.
#define VEXEL_TICK_BENCHMARKS(board, make)                                                                   \
    BENCHMARK_CAPTURE(tickBenchmark, board, make)                                                            \
        ->Name("Tick/" #board)                                                                               \
        ->UseManualTime()                                                                                    \
        ->Unit(benchmark::kNanosecond);                                                                      \
    BENCHMARK_CAPTURE(recordingCost, board, make)                                                            \
        ->Name("Tick/" #board "/recording_cost")                                                             \
        ->UseManualTime()                                                                                    \
        ->Unit(benchmark::kNanosecond)

VEXEL_TICK_BENCHMARKS(idle, vexel::bench::makeIdle);
VEXEL_TICK_BENCHMARKS(busy, vexel::bench::makeBusy);
VEXEL_TICK_BENCHMARKS(two_way, vexel::bench::makeTwoWay);

BENCHMARK_MAIN();
