// Replays: every game recorded from its load to its loss plays back
// exactly, tick for tick; the text is read back as written and refused
// when damaged; edited replays do not match; the files land beside the
// records.

#include "game_fixture.h"
#include "play_session.h"

#include "replay/playback.h"
#include "replay/recorder.h"
#include "replay/replay_files.h"
#include "replay/replay_format.h"

#include <cstring>

namespace vexel::test {
namespace {

using replay::Event;
using replay::Outcome;
using replay::Playback;
using replay::Replay;

// Everything a player sees and the game reads back: every shape in
// stacking order, the caption and the game's fields.
std::uint64_t digest(const Scene& scene, const GameState& state, const std::string& caption)
{
    std::uint64_t hash = 14695981039346656037ULL;
    auto mix = [&hash](const void* data, std::size_t size) {
        for (std::size_t i = 0; i < size; ++i) {
            hash ^= static_cast<const unsigned char*>(data)[i];
            hash *= 1099511628211ULL;
        }
    };
    for (const ShapeId id : scene.stackingOrder()) {
        const ShapeObject& s = scene.shape(id);
        const float numbers[] = {s.Left, s.Top, s.Width, s.Height};
        const int flags[] = {static_cast<int>(s.Kind), s.Visible ? 1 : 0, static_cast<int>(s.BackColor)};
        mix(numbers, sizeof numbers);
        mix(flags, sizeof flags);
        mix(s.Tag.data(), s.Tag.size() + 1);
    }
    const int fields[] = {state.playerCol,       state.playerRow,  state.score,
                          state.level,           state.nextBullet, isOn(state.showBadSquares),
                          isOn(state.showLevel), state.twoWay};
    mix(fields, sizeof fields);
    mix(caption.data(), caption.size());
    return hash;
}

struct Kept {
    std::string text;
    bool setRecord = false;
    // The digest after every tick but the losing one, whose board the
    // recorded game replaced at once.
    std::vector<std::uint64_t> digests;
};

// Plays a kept game back and compares it with the recording after every
// tick; returns how play ended.
Outcome playBack(const Kept& game, std::string& firstDifference)
{
    const replay::ReadResult read = replay::readReplay(game.text);
    if (!read.replay) {
        firstDifference = read.error;
        return {};
    }
    Playback playback(*read.replay);
    playback.start();
    for (std::size_t tick = 0; playback.step(); ++tick) {
        if (firstDifference.empty() &&
            (tick >= game.digests.size() ||
             digest(playback.scene(), playback.state(), playback.caption()) != game.digests[tick]))
            firstDifference = "differs after tick " + std::to_string(tick + 1);
    }
    return playback.outcome();
}

// A run of the real game with its own generator and a recorder, in a
// headless window; each lost game is kept.
struct RecordedRun {
    explicit RecordedRun(std::uint32_t seed = DefaultRandom::DefaultSeed) : random(seed)
    {
        host.attach(form);
        form.record(recorder);
        host.show();
    }
    // Starts the game, plays it with a little of everything, and ends it.
    // Returns the replay kept for it.
    const Kept& playOneGame(const std::string& typedName)
    {
        const std::size_t before = kept.size();
        host.pressKey(keys::Right, 1); // while paused, with Shift
        host.clickMenu(MenuItem::ShowLevel);
        host.pressKey(keys::Enter);
        if (!typedName.empty())
            host.queueAnswer(typedName);
        for (int tick = 1; kept.size() == before && tick < 100000; ++tick) {
            // Dodges for a while to score, then lets the guns win.
            if (const int key = testsupport::dodge(form.scene(), state); key != 0 && tick < 1500)
                host.pressKey(key);
            if (tick == 50)
                host.clickHighScores();
            if (tick == 60) { // a pause with a move and an option switch in it
                host.pressKey(keys::Enter);
                host.pressKey(keys::Left);
                host.clickMenu(MenuItem::TwoWay);
                host.pressKey(keys::Enter);
            }
            host.tick();
        }
        return kept.at(before);
    }

    GameState state;
    HeadlessHost host;
    DefaultRandom random;
    MemoryStore records;
    std::ostringstream diagnostics;
    Form1 form{state, host, random, records, diagnostics};
    std::vector<Kept> kept;
    replay::Recorder recorder{random,
                              [this](const Replay& game, bool setRecord) {
                                  kept.push_back({replay::writeReplay(game), setRecord, {}});
                              },
                              diagnostics};
};

Replay parsed(const std::string& text)
{
    replay::ReadResult read = replay::readReplay(text);
    EXPECT_TRUE(read.replay.has_value()) << read.error << "\n" << text;
    return read.replay.value_or(Replay{});
}

Outcome play(const Replay& game)
{
    return Playback(game).run();
}

TEST(Replay, EveryGameOfALongScriptedSessionPlaysBackTickForTick)
{
    std::vector<Kept> games;
    Kept current;
    bool justLost = false;
    std::ostringstream diagnostics;
    std::unique_ptr<replay::Recorder> recorder;
    std::optional<testsupport::SessionGame> session;

    testsupport::SessionPlan plan;
    plan.ticks = 40000;
    plan.gameSeed = 777U;
    plan.scriptSeed = 99U;
    plan.setUp = [&](const testsupport::SessionGame& game) {
        session.emplace(game);
        recorder = std::make_unique<replay::Recorder>(
            game.random,
            [&](const Replay& lost, bool setRecord) {
                current.text = replay::writeReplay(lost);
                current.setRecord = setRecord;
                games.push_back(std::move(current));
                current = {};
                justLost = true;
            },
            diagnostics);
        game.form.record(*recorder);
    };
    plan.afterTick = [&](long) {
        if (!justLost)
            current.digests.push_back(
                digest(session->form.scene(), session->state, session->window.caption()));
        justLost = false;
    };
    const testsupport::SessionResult result = testsupport::playSession(plan);
    ASSERT_EQ(result.breaches, 0) << result.firstBreach;
    EXPECT_EQ(diagnostics.str(), "");
    ASSERT_EQ(games.size(), static_cast<std::size_t>(result.games - 1));

    // What the session must have held for the comparison to mean much.
    int twoWayEnds = 0, named = 0, laterGames = 0, pausedKeys = 0, shifted = 0, highScores = 0;
    std::set<MenuItem> options;
    for (std::size_t g = 0; g < games.size(); ++g) {
        const Replay game = parsed(games[g].text);
        EXPECT_EQ(replay::writeReplay(game), games[g].text);
        std::string difference;
        const Outcome outcome = playBack(games[g], difference);
        EXPECT_EQ(difference, "") << "game " << g << "\n" << games[g].text;
        EXPECT_TRUE(outcome.matches()) << "game " << g << ": " << outcome.mismatch;
        EXPECT_EQ(outcome.played, game.end);
        EXPECT_EQ(outcome.played.ticks, games[g].digests.size() + 1) << "game " << g;

        twoWayEnds += game.end.twoWay ? 1 : 0;
        named += games[g].setRecord && !game.name.empty() ? 1 : 0;
        laterGames += game.start.drawn > 0 ? 1 : 0;
        for (std::size_t i = 0; i < game.events.size(); ++i) {
            const Event& e = game.events[i];
            // A key between two Enters at the same tick came while paused.
            pausedKeys += e.kind == Event::Kind::Key && e.keyCode != keys::Enter && i > 0 &&
                                  i + 1 < game.events.size() && game.events[i - 1].tick == e.tick &&
                                  game.events[i + 1].tick == e.tick
                              ? 1
                              : 0;
            shifted += e.kind == Event::Kind::Key && e.shift != 0 ? 1 : 0;
            highScores += e.kind == Event::Kind::HighScores ? 1 : 0;
            if (e.kind == Event::Kind::Option)
                options.insert(e.item);
        }
    }
    EXPECT_GT(games.size(), 5U);
    EXPECT_EQ(laterGames, static_cast<int>(games.size()) - 1);
    EXPECT_GT(twoWayEnds, 0);
    EXPECT_GT(named, 0);
    EXPECT_GT(pausedKeys, 0);
    EXPECT_GT(shifted, 0);
    EXPECT_GT(highScores, 0);
    EXPECT_EQ(options.size(), 3U);
}

TEST(Replay, TextIsReadAsWrittenAndDamageIsNamedByLine)
{
    RecordedRun run;
    const Kept& game = run.playOneGame("Zo\xC3\xAB \"q\\\t\x80");
    const Replay replay = parsed(game.text);
    EXPECT_EQ(replay.name, "Zo\xC3\xAB \"q\\\t\x80");
    EXPECT_NE(game.text.find("name \"Zo\xC3\xAB \\\"q\\\\\\x09\\x80\" @"), std::string::npos) << game.text;
    EXPECT_TRUE(play(replay).matches());

    // Cut anywhere, the file is refused as cut short, never read as less.
    for (std::size_t size = 1; size < game.text.size(); ++size) {
        const replay::ReadResult cut = replay::readReplay(game.text.substr(0, size));
        EXPECT_FALSE(cut.replay.has_value()) << size;
        EXPECT_NE(cut.error.find("cut short"), std::string::npos) << size << ": " << cut.error;
    }

    const std::string head = "vexel-replay 1\nseed 5489\ndrawn 0\nshow-bad-squares off\nshow-level off\n"
                             "two-way off\n";
    const std::string end = "end score 0, level 1, 4-way, 3 ticks\n";
    const std::pair<std::string, std::string> damaged[] = {
        {"", "line 1: the file is empty"},
        {"P3\n1 1\n", "line 1: not a Vexel replay"},
        {"vexel-replay 2\n" + head.substr(15) + end, "line 1: this is a version 2 replay; this program reads "
                                                     "version 1"},
        {"vexel-replay one\n", "line 1: not a Vexel replay"},
        {"vexel-replay 1\nseed 4294967296\n", "line 2: the seed must be a whole number from 0 to 4294967295"},
        {"vexel-replay 1\nseed -1\n", "line 2: the seed must be"},
        {"vexel-replay 1\nseed 1\ndrawn 99999999999999999999999\n", "line 3: the drawn must be"},
        {"vexel-replay 1\nseed 1\ndrawn 17179869185\n", "line 3: the drawn must be"},
        {"vexel-replay 1\nseed 1\ndrawn 0\nshow-bad-squares yes\n", "line 4: expected 'show-bad-squares on'"},
        {head + "0 key 13 0\n" + end, "line 7: the event has no check"},
        {head + "0 key 65536 0 @0 60\n" + end, "line 7: expected 'TICK key CODE SHIFT'"},
        {head + "0 key 13 8 @0 60\n" + end, "line 7: expected 'TICK key CODE SHIFT'"},
        {head + "0 key 13 0 @0 121\n" + end, "line 7: expected the check"},
        {head + "0 key 13 0 @1759999999999999999 60\n" + end, "line 7: expected the check"},
        {head + "4000000001 key 13 0 @0 60\n" + end, "line 7: the tick must be a whole number"},
        {head + "0  key 13 0 @0 60\n" + end, "line 7: unknown event ''"},
        {head + "0 jump @0 60\n" + end, "line 7: unknown event 'jump'"},
        {head + "0 option 3-way @0 60\n" + end, "line 7: expected 'TICK option"},
        {head + "garbage @0 60\n" + end, "line 7: expected an event"},
        {head + "0 name \"a\"b\" @0 60\n" + end, "line 7: the name holds a character that must be escaped"},
        {head + "0 name \"\\q\" @0 60\n" + end, "line 7: a broken escape"},
        {head + "0 name \"" + std::string(65, 'n') + "\" @0 60\n" + end,
         "line 7: the name is longer than 64"},
        {head + "3 name \"a\" @0 60\n3 name \"b\" @0 60\n" + end, "line 8: a second name"},
        {head + "end score 10000, level 1, 4-way, 3 ticks\n", "line 7: expected 'end score S"},
        {head + "end score 5, level 13, 4-way, 3 ticks\n", "line 7: expected 'end score S"},
        {head + "end score 5, level 1, 3-way, 3 ticks\n", "line 7: expected 'end score S"},
        {head + end + "0 key 13 0 @0 60\n", "line 8: nothing may follow the end line"},
        {head + std::string(600, '1') + "\n", "line 7: the line is longer than any line"},
        {head + "0 key 13 0 @0 60\r\n" + end, "line 7: expected the check"},
        {head + "0 key 13 0 @0 60\n", "line 8: the replay stops before its end line: it is cut short"},
    };
    for (const auto& [text, message] : damaged) {
        const replay::ReadResult read = replay::readReplay(text);
        EXPECT_FALSE(read.replay.has_value()) << text;
        EXPECT_EQ(read.error.substr(0, message.size()), message) << text;
    }
    // A file too big for any replay is refused before a line is read.
    EXPECT_EQ(replay::readReplay(std::string(replay::MaxFileBytes + 1, '\n')).error,
              "the file is larger than any replay (33554433 bytes)");
}

TEST(Replay, AGameAfterEarlierGamesAndAnEditedReplayPlayOutAsTheyShould)
{
    RecordedRun run(4242U);
    run.playOneGame("");
    const Kept& second = run.playOneGame("Ada");
    const Replay game = parsed(second.text);
    ASSERT_GT(game.start.drawn, 0U) << "the second game starts where the first left the generator";
    ASSERT_TRUE(second.setRecord) << second.text;
    EXPECT_EQ(game.name, "Ada");
    EXPECT_TRUE(play(game).matches()) << play(game).mismatch;

    // Every event moved one tick later, one at a time: each is noticed.
    for (std::size_t i = 0; i < game.events.size(); ++i) {
        Replay moved = game;
        ++moved.events[i].tick;
        const Outcome outcome = play(parsed(replay::writeReplay(moved)));
        EXPECT_FALSE(outcome.matches()) << "event " << i << " moved";
    }
    Replay scored = game;
    ++scored.end.score;
    const Outcome outcome = play(scored);
    EXPECT_EQ(outcome.played, game.end);
    EXPECT_EQ(outcome.mismatch, "the game ends with " + replay::describe(game.end) +
                                    ", but the replay's end line says " + replay::describe(scored.end));
    // An arrow turned round: a later event finds the player elsewhere, or
    // the player meets a bullet sooner.
    Replay turned = game;
    for (Event& e : turned.events) {
        if (e.kind == Event::Kind::Key && (e.keyCode == keys::Down || e.keyCode == keys::Up)) {
            e.keyCode = e.keyCode == keys::Down ? keys::Up : keys::Down;
            break;
        }
    }
    EXPECT_EQ(play(turned).mismatch.substr(0, 5), "line ");
    // Events in another order, or more ticks than the game lasts.
    Replay early = game;
    early.events.back().tick = 0;
    EXPECT_FALSE(play(early).matches());
    Replay longer = game;
    longer.events.erase(longer.events.end() - 1); // the name
    longer.end.ticks += 5;
    EXPECT_FALSE(play(longer).matches());
}

TEST(ReplayFiles, LastAndBestAreKeptBesideTheRecordsAndCheckedByVerify)
{
    ScratchFolder scratch;
    const std::string folder = replay::replaysFolderFor(scratch.file("vexel.ini"));
    EXPECT_EQ(folder, scratch.file("replays"));
    EXPECT_EQ(replay::replaysFolderFor("vexel.ini"), "replays");
    EXPECT_EQ(replay::replayPath("best-2way", folder), scratch.file("replays/best-2way.vxr"));
    EXPECT_EQ(replay::replayPath("last.vxr", folder), "last.vxr");

    RecordedRun run;
    const Replay first = parsed(run.playOneGame("Bo").text);
    std::ostringstream diagnostics;
    replay::ReplayFolder replays(folder, diagnostics);
    const std::string best = first.end.twoWay ? "best-2way.vxr" : "best-4way.vxr";
    replays.keep(first, true);
    Replay second = first;
    ++second.end.score; // no longer matches its play
    replays.keep(second, false);
    EXPECT_EQ(entries(folder), (std::vector<std::string>{best, "last.vxr"}));
    EXPECT_EQ(readBytes(folder + "/" + best), replay::writeReplay(first));
    EXPECT_EQ(readBytes(folder + "/last.vxr"), replay::writeReplay(second));
    EXPECT_EQ(diagnostics.str(), "");

    auto verify = [](const std::string& path) {
        std::ostringstream out, err;
        const int status = replay::verifyReplayFile(path, out, err);
        return std::to_string(status) + " " + out.str() + err.str();
    };
    EXPECT_EQ(verify(folder + "/" + best), "0 " + replay::describe(first.end) + "\n");
    EXPECT_EQ(verify(folder + "/last.vxr"),
              "1 " + replay::describe(first.end) + "\nvexel: " + folder +
                  "/last.vxr does not match its recorded end: the game ends with " +
                  replay::describe(first.end) + ", but the replay's end line says " +
                  replay::describe(second.end) + "\n");
    writeBytes(scratch.file("cut.vxr"), replay::writeReplay(first).substr(0, 100));
    EXPECT_EQ(verify(scratch.file("cut.vxr")).substr(0, 2), "2 ");
    EXPECT_NE(verify(scratch.file("cut.vxr")).find("cut.vxr: line "), std::string::npos);
    EXPECT_EQ(verify(scratch.file("missing.vxr")),
              "2 vexel: cannot read " + scratch.file("missing.vxr") + ": No such file or directory\n");
    EXPECT_EQ(verify(scratch.path().string()),
              "2 vexel: cannot read " + scratch.path().string() + ": not a regular file\n");

    // A folder that cannot be made is told, and the game goes on.
    writeBytes(scratch.file("blocked"), "");
    replay::ReplayFolder blocked(scratch.file("blocked/replays"), diagnostics);
    blocked.keep(first, true);
    EXPECT_EQ(diagnostics.str(), "vexel: cannot save the replay to " +
                                     scratch.file("blocked/replays/last.vxr") + ": the folder " +
                                     scratch.file("blocked/replays") +
                                     " cannot be made: Not a directory\nvexel: cannot save the replay to " +
                                     scratch.file("blocked/replays/" + best) + ": the folder " +
                                     scratch.file("blocked/replays") + " cannot be made: Not a directory\n");
}

} // namespace
} // namespace vexel::test
