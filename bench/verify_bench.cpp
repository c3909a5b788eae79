// Checking a long replay as `vexel --verify` does: the file read, every
// line checked, and the whole game played again, headless.
//
// The game is made first (not timed): a player who looks one tick ahead on
// a copy of the game and, before every tick, steps to a square that no
// bullet will test, survives for as long as it likes; after 30,000 ticks
// (ten minutes of play) it stops dodging and the guns end the game.

#include "app/form1.h"
#include "headless/headless_host.h"
#include "replay/recorder.h"
#include "replay/replay_files.h"
#include "replay/replay_format.h"

#include "memory_store.h"
#include "scratch_folder.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <optional>
#include <sstream>

namespace {

using namespace vexel;

constexpr std::uint32_t GameTicks = 30000;

// Whether the player standing on `square` lives through the next tick.
bool safe(const Form1& form, const GameState& state, const DefaultRandom& random, int square)
{
    GameState ahead = state;
    DefaultRandom aheadRandom = random;
    HeadlessHost host;
    host.setRecording(false);
    testsupport::MemoryStore records;
    std::ostringstream diagnostics;
    Form1 copy(ahead, host, aheadRandom, records, diagnostics);
    host.attach(copy);
    copy.scene() = form.scene();
    copy.scene().Grid(static_cast<std::size_t>(state.playerCol + 11 * state.playerRow)).BackColor =
        colors::White;
    copy.scene().Grid(static_cast<std::size_t>(square)).BackColor = colors::Player;
    ahead.playerCol = square % 11;
    ahead.playerRow = square / 11;
    host.tick();
    return copy.loads() == 0;
}

std::string makeLongGame()
{
    GameState state;
    HeadlessHost host;
    host.setRecording(false);
    DefaultRandom random(20261208U);
    testsupport::MemoryStore records;
    std::ostringstream diagnostics;
    Form1 form(state, host, random, records, diagnostics);
    std::optional<std::string> kept;
    replay::Recorder recorder(
        random, [&kept](const replay::Replay& game, bool) { kept = replay::writeReplay(game); }, diagnostics);
    host.attach(form);
    form.record(recorder);
    host.show();
    host.pressKey(keys::Enter);

    for (std::uint32_t tick = 0; !kept; ++tick) {
        // The nearest safe square, searched outwards from the player.
        for (int distance = 0; tick < GameTicks && distance <= 20; ++distance) {
            int found = -1;
            for (int square = 0; square <= 120 && found < 0; ++square) {
                const int away =
                    std::abs(square % 11 - state.playerCol) + std::abs(square / 11 - state.playerRow);
                if (away == distance && safe(form, state, random, square))
                    found = square;
            }
            if (found < 0)
                continue;
            while (state.playerCol != found % 11)
                host.pressKey(state.playerCol < found % 11 ? keys::Right : keys::Left);
            while (state.playerRow != found / 11)
                host.pressKey(state.playerRow < found / 11 ? keys::Down : keys::Up);
            break;
        }
        host.tick();
    }
    return *kept;
}

void verifyLongGame(benchmark::State& state)
{
    static const testsupport::ScratchFolder folder(testsupport::ScratchFolder::memoryBacked());
    static const std::string path = [] {
        const std::string file = folder.file("long.vxr");
        testsupport::writeBytes(file, makeLongGame());
        return file;
    }();
    int status = -1;
    std::string result;
    for (auto _ : state) {
        std::ostringstream out, err;
        status = replay::verifyReplayFile(path, out, err);
        result = out.str();
    }
    if (status != replay::VerifyMatches)
        state.SkipWithError("the long game does not verify");
    const replay::ReadResult read = replay::loadReplayFile(path);
    if (!read.replay || read.replay->end.ticks < GameTicks)
        state.SkipWithError("the long game is not long enough");
    state.SetLabel(result.substr(0, result.size() - 1));
    state.counters["events"] = read.replay ? static_cast<double>(read.replay->events.size()) : 0;
}

} // namespace

BENCHMARK(verifyLongGame)->Name("Verify/long_game")->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
