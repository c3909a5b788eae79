#include "history_support.h"
#include "memory_store.h"

#include "app/form1.h"
#include "headless/headless_host.h"
#include "replay/recorder.h"
#include "replay/replay_format.h"
#include "ui/random_source.h"

#include "history/history_store.h"
#include "history/sqlite_handle.h"

#include <optional>
#include <sstream>

namespace vexel::testsupport {

replay::Replay sampleGame(int score, bool twoWay, std::uint32_t ticks, const std::string& name)
{
    replay::Replay game;
    game.start = {7, 1000 * static_cast<std::uint64_t>(score), score % 2 == 0, score % 3 == 0, twoWay};
    for (std::uint32_t tick = 0; tick < ticks; tick += 25) {
        replay::Event event;
        event.tick = tick;
        event.keyCode = static_cast<std::uint16_t>(keys::Left + tick / 25 % 4);
        event.drawn = tick * 11;
        event.square = static_cast<std::uint8_t>(tick / 25 % 121);
        game.events.push_back(event);
    }
    if (!name.empty()) {
        replay::Event named;
        named.tick = ticks;
        named.kind = replay::Event::Kind::Name;
        game.events.push_back(named);
        game.name = name;
    }
    game.end = {ticks, score, 1 + score / 25 % 12, twoWay};
    return game;
}

history::GameRecord sampleRecord(const replay::Replay& game, bool setRecord, std::int64_t ended)
{
    return history::recordOf(game, setRecord, ended);
}

std::string playedReplay(std::uint32_t seed)
{
    GameState state;
    HeadlessHost host;
    DefaultRandom random(seed);
    MemoryStore records;
    std::ostringstream diagnostics;
    Form1 form(state, host, random, records, diagnostics);
    std::optional<replay::Replay> recorded;
    replay::Recorder recorder(
        random, [&](const replay::Replay& game, bool) { recorded = game; }, diagnostics);
    host.attach(form);
    form.record(recorder);
    host.show();
    host.pressKey(keys::Enter);
    for (int tick = 0; !recorded && tick < 20000; ++tick)
        host.tick();
    return recorded ? replay::writeReplay(*recorded) : std::string();
}

std::string querySql(const std::string& path, const std::string& sql)
{
    sqlite3* raw = nullptr;
    const int opened =
        sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    const history::Database db(raw);
    if (opened != SQLITE_OK)
        return std::string("error: ") + sqlite3_errstr(opened);
    sqlite3_busy_timeout(raw, 10000);
    // Every statement runs; the answer is the first row of the last.
    std::string answer;
    for (const char* next = sql.c_str(); *next != '\0';) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(raw, next, -1, &statement, &next) != SQLITE_OK)
            return std::string("error: ") + sqlite3_errmsg(raw);
        if (statement == nullptr)
            continue;
        const history::Statement owned(statement);
        const int stepped = sqlite3_step(statement);
        if (stepped != SQLITE_ROW && stepped != SQLITE_DONE)
            return std::string("error: ") + sqlite3_errmsg(raw);
        const unsigned char* text = stepped == SQLITE_ROW ? sqlite3_column_text(statement, 0) : nullptr;
        answer = text != nullptr ? reinterpret_cast<const char*>(text) : "";
    }
    return answer;
}

} // namespace vexel::testsupport
