#include "play_session.h"

#include "expected.h"
#include "memory_store.h"
#include "scratch_folder.h"

#include "app/form1.h"
#include "headless/headless_host.h"
#include "scores/score_file.h"

#include <algorithm>
#include <random>
#include <sstream>

namespace vexel::testsupport {

namespace {

bool twoWayShows(int gun)
{
    const int side = gun / 11;
    return side == 1 || side == 3;
}

} // namespace

int dodge(const Scene& scene, const GameState& state)
{
    const float left = 50.0F + 24.0F * static_cast<float>(state.playerCol);
    const float top = 50.0F + 24.0F * static_cast<float>(state.playerRow);
    for (std::size_t i = 1; i <= 50; ++i) {
        const ShapeObject& b = scene.Bullet(i);
        const bool alongColumn = b.Tag == "0" || b.Tag == "2";
        // How far the bullet still has to fly to reach the player's square.
        const float gap = b.Tag == "0"   ? top - b.Top
                          : b.Tag == "2" ? b.Top - top
                          : b.Tag == "1" ? left - b.Left
                                         : b.Left - left;
        if (b.Visible && (alongColumn ? b.Left == left : b.Top == top) && gap > -24 && gap < 80) {
            if (alongColumn)
                return state.playerCol > 0 ? keys::Left : keys::Right;
            return state.playerRow > 0 ? keys::Up : keys::Down;
        }
    }
    return 0;
}

namespace {

class Checker {
public:
    explicit Checker(SessionResult& result) : result_(result) {}

    // The message is built only for a failure: the checks run millions of times.
    template <class Message> void check(bool ok, Message what)
    {
        if (!ok && result_.breaches++ == 0)
            result_.firstBreach = "tick " + std::to_string(result_.ticks) + ": " + std::string(what());
    }

private:
    SessionResult& result_;
};

void checkBoard(const Scene& scene, const GameState& state, Checker& c)
{
    int green = 0;
    int yellow = 0;
    for (std::size_t i = 0; i <= 120; ++i) {
        green += scene.Grid(i).BackColor == colors::Player ? 1 : 0;
        yellow += scene.Grid(i).BackColor == colors::Yellow ? 1 : 0;
    }
    const auto player = static_cast<std::size_t>(state.playerCol + 11 * state.playerRow);
    c.check(green == 1 && scene.Grid(player).BackColor == colors::Player,
            [&] { return std::to_string(green) + " green squares, player at " + std::to_string(player); });
    c.check(yellow == 0 || isOn(state.showBadSquares),
            [] { return "yellow squares with Show Bad Squares off"; });
    c.check(state.nextBullet >= 1 && state.nextBullet <= 50,
            [&] { return "nextBullet " + std::to_string(state.nextBullet); });
    for (int i = 0; i < 44; ++i) {
        const ShapeObject& gun = scene.Gun(static_cast<std::size_t>(i));
        const int t = gun.Tag.size() == 1 ? gun.Tag[0] - '0' : -1;
        c.check(t >= 0 && t <= 4 && gun.BackColor == ChargeColours[t],
                [&] { return "gun " + std::to_string(i) + " coloured unlike its tag " + gun.Tag; });
        c.check(gun.Visible == (state.twoWay == 0 || twoWayShows(i)),
                [&] { return "gun " + std::to_string(i) + " shown against the mode"; });
    }
    c.check(state.level == expectedLevel(state.score), [&] {
        return "level " + std::to_string(state.level) + " for score " + std::to_string(state.score);
    });
}

} // namespace

SessionResult playSession(const SessionPlan& plan)
{
    SessionResult result;
    Checker checker(result);
    GameState state;
    HeadlessHost host;
    DefaultRandom random(plan.gameSeed);
    MemoryStore memory;
    scores::ScoreFile file(plan.scoresPath);
    scores::RecordStore& store = plan.scoresPath.empty() ? static_cast<scores::RecordStore&>(memory) : file;
    auto stored = [&] {
        return plan.scoresPath.empty() ? memory.bytes.value_or("") : readBytes(plan.scoresPath);
    };
    std::ostringstream diagnostics;
    Form1 form(state, host, random, store, diagnostics);
    host.attach(form);
    host.setRecording(false);

    std::mt19937 script(plan.scriptSeed);
    auto chance = [&script](unsigned perThousand) { return script() % 1000U < perThousand; };
    const std::string nameParts[] = {"A", "z", "\"", ",", "ë", "Å", " ", "7", "\t", "日"};
    auto name = [&] {
        std::string typed;
        for (unsigned n = script() % 8U; n > 0; --n)
            typed += nameParts[script() % std::size(nameParts)];
        return typed;
    };
    host.onDialog = [&](const HeadlessHost::Dialog& d) {
        if (d.kind == HeadlessHost::Dialog::Kind::Input) {
            ++result.records;
            host.queueAnswer(name()); // for the next record
        }
    };
    host.queueAnswer(name());
    if (plan.setUp)
        plan.setUp({form, state, random, host});
    host.show();

    const int arrows[] = {keys::Left, keys::Up, keys::Right, keys::Down};
    const MenuItem options[] = {MenuItem::ShowBadSquares, MenuItem::ShowLevel, MenuItem::TwoWay};
    unsigned long loads = form.loads();
    int lastScore = 0;
    while (result.ticks < plan.ticks) {
        // The player between two ticks: mostly dodging, sometimes wandering.
        const int key = dodge(form.scene(), state);
        if (key != 0 && host.timerEnabled() && chance(900)) {
            host.pressKey(key);
        } else if (!host.timerEnabled()) {
            host.pressKey(chance(300) ? arrows[script() % 4U] : keys::Enter);
        } else if (chance(40)) {
            host.pressKey(arrows[script() % 4U], chance(100) ? 1 : 0);
        } else if (chance(3)) {
            host.pressKey(keys::Enter);
        } else if (chance(2)) {
            host.clickMenu(options[script() % 3U]);
            ++result.optionSwitches;
        } else if (chance(1)) {
            host.clickHighScores();
        } else if (chance(2)) {
            host.pressKey(65 + static_cast<int>(script() % 26U));
        }
        if (!host.tick())
            continue;
        ++result.ticks;

        if (form.loads() != loads) {
            // A lost game: the next starts afresh, with the table that was
            // just written read back.
            loads = form.loads();
            ++result.games;
            lastScore = 0;
            checker.check(state.score == 0 && state.nextBullet == 1 && !host.timerEnabled(),
                          [] { return "no fresh paused game"; });
            const auto characters = std::count_if(state.highScores.begin(), state.highScores.end(),
                                                  [](char ch) { return (ch & 0xC0) != 0x80; });
            checker.check(characters == 18,
                          [&] { return "table of other than 18 characters: " + state.highScores; });
            checker.check(stored() == "\"" + state.highScores + "\"\r\n",
                          [] { return "file and table differ"; });
        }
        checkBoard(form.scene(), state, checker);
        checker.check(state.score >= lastScore,
                      [&] { return "score fell to " + std::to_string(state.score) + " within a game"; });
        lastScore = state.score;
        result.bestScore = std::max(result.bestScore, state.score);
        if (plan.afterTick)
            plan.afterTick(result.ticks);
    }
    result.diagnostics = diagnostics.str();
    return result;
}

} // namespace vexel::testsupport
