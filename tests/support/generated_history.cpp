#include "generated_history.h"

#include "memory_store.h"
#include "play_session.h"

#include "app/form1.h"
#include "headless/headless_host.h"
#include "history/history_store.h"
#include "history/schema.h"
#include "replay/recorder.h"
#include "replay/replay_format.h"

#include <sstream>

namespace vexel::testsupport {

namespace {

// One game of the dodging player; it stops dodging after `dodgeTicks`.
PlayedGame playOne(std::uint32_t seed, int dodgeTicks)
{
    GameState state;
    HeadlessHost host;
    host.setRecording(false);
    DefaultRandom random(seed);
    MemoryStore records;
    std::ostringstream diagnostics;
    Form1 form(state, host, random, records, diagnostics);
    std::optional<PlayedGame> kept;
    replay::Recorder recorder(
        random,
        [&kept](const replay::Replay& game, bool) {
            kept = PlayedGame{game, replay::writeReplay(game)};
        },
        diagnostics);
    host.attach(form);
    form.record(recorder);
    host.show();
    host.pressKey(keys::Enter);
    for (int tick = 0; !kept; ++tick) {
        if (const int key = dodge(form.scene(), state); key != 0 && tick < dodgeTicks)
            host.pressKey(key);
        host.tick();
    }
    return *kept;
}

} // namespace

const std::vector<PlayedGame>& playedGames()
{
    static const std::vector<PlayedGame> games = [] {
        std::vector<PlayedGame> played;
        for (std::uint32_t seed = 1; seed <= 240; ++seed)
            played.push_back(playOne(seed, 1500 + 25 * static_cast<int>(seed)));
        return played;
    }();
    return games;
}

history::GameRecord generatedRecord(std::size_t i, const PlayedGame& played)
{
    history::GameRecord record =
        history::recordOf(played.game, false, 1'700'000'000 + 60 * static_cast<std::int64_t>(i));
    record.score = static_cast<int>((i * 7919) % 400);
    record.twoWay = i % 5 == 0;
    return record;
}

std::optional<history::Problem> writeGeneratedHistory(const std::string& path, std::size_t count,
                                                      bool compact)
{
    {
        history::HistoryStore store(path, {});
        if (auto problem = store.create())
            return problem;
    }
    sqlite3* raw = nullptr;
    const int opened = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    const history::Database db(raw);
    if (opened != SQLITE_OK)
        return history::problemFrom(raw, opened);
    std::optional<history::Problem> problem = history::execute(raw, "BEGIN");
    const std::vector<PlayedGame>& pool = playedGames();
    for (std::size_t i = 0; i < count && !problem; ++i) {
        const PlayedGame& played = pool[i % pool.size()];
        const std::string text = compact ? played.text.substr(0, played.text.find('\n') + 1) : played.text;
        problem = history::insertGame(raw, generatedRecord(i, played), text);
    }
    if (!problem)
        problem = history::execute(raw, "COMMIT");
    return problem;
}

} // namespace vexel::testsupport
