// One long game session from a fixed seed: a scripted player presses keys
// and switches options at random while the game's own generator drives the
// guns, and the board is checked after every single tick.

#include "fixture.h"

#include <algorithm>
#include <chrono>
#include <iostream>
#include <random>

namespace vexel::test {
namespace {

constexpr int Ticks = 100000;

// The key that steps out of the line of a bullet closing in on the player,
// or 0 when there is none.
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

TEST(Scenario, AHundredThousandTicksKeepEveryInvariant)
{
    const auto began = std::chrono::steady_clock::now();
    // Every lost game saves with fsync; a memory-backed folder keeps the
    // session's run time the game's and not the disk's.
    std::error_code noShm;
    TempDir dir(fs::is_directory("/dev/shm", noShm) ? fs::path("/dev/shm") : fs::temp_directory_path());
    const std::string path = dir.file("vexel.ini");
    GameState state;
    HeadlessHost host;
    DefaultRandom random(12345);
    scores::ScoreFile file(path);
    std::ostringstream diag;
    Form1 form(state, host, random, file, diag);
    host.attach(form);
    host.setRecording(false);

    std::mt19937 script(20240611U);
    auto chance = [&script](unsigned perThousand) { return script() % 1000U < perThousand; };
    const std::string nameParts[] = {"A", "z", "\"", ",", "ë", "Å", " ", "7", "\t", "日"};
    auto name = [&] {
        std::string typed;
        for (unsigned n = script() % 8U; n > 0; --n)
            typed += nameParts[script() % std::size(nameParts)];
        return typed;
    };
    long records = 0;
    host.onDialog = [&](const HeadlessHost::Dialog& d) {
        if (d.kind == HeadlessHost::Dialog::Kind::Input) {
            ++records;
            host.queueAnswer(name()); // for the next record
        }
    };
    host.queueAnswer(name());
    host.show();

    const int arrows[] = {keys::Left, keys::Up, keys::Right, keys::Down};
    const MenuItem options[] = {MenuItem::ShowBadSquares, MenuItem::ShowLevel, MenuItem::TwoWay};
    // The first broken invariant with its tick, and a count of all of them,
    // so that a fault reports once instead of on every tick.
    long failures = 0;
    std::string firstFailure;
    long delivered = 0;
    // The message is built only for a failure: the checks run millions of times.
    auto check = [&](bool ok, auto what) {
        if (!ok && failures++ == 0)
            firstFailure = "tick " + std::to_string(delivered) + ": " + std::string(what());
    };
    unsigned long loads = form.loads();
    int lastScore = 0, bestScore = 0;
    long games = 1, optionSwitches = 0;
    while (delivered < Ticks) {
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
            ++optionSwitches;
        } else if (chance(1)) {
            host.clickHighScores();
        } else if (chance(2)) {
            host.pressKey(65 + static_cast<int>(script() % 26U));
        }
        if (!host.tick())
            continue;
        ++delivered;

        if (form.loads() != loads) {
            // A lost game: the next starts afresh, with the table that was
            // just written read back.
            loads = form.loads();
            ++games;
            lastScore = 0;
            check(state.score == 0 && state.nextBullet == 1 && !host.timerEnabled(),
                  [&] { return "no fresh paused game"; });
            const auto characters = std::count_if(state.highScores.begin(), state.highScores.end(),
                                                  [](char ch) { return (ch & 0xC0) != 0x80; });
            check(characters == 18, [&] { return "table of other than 18 characters: " + state.highScores; });
            check(readBytes(path) == scoreLine(state.highScores), [&] { return "file and table differ"; });
        }

        const Scene& scene = form.scene();
        int green = 0, yellow = 0;
        for (std::size_t i = 0; i <= 120; ++i) {
            green += scene.Grid(i).BackColor == colors::Player ? 1 : 0;
            yellow += scene.Grid(i).BackColor == colors::Yellow ? 1 : 0;
        }
        const auto player = static_cast<std::size_t>(state.playerCol + 11 * state.playerRow);
        check(green == 1 && scene.Grid(player).BackColor == colors::Player,
              [&] { return std::to_string(green) + " green squares, player at " + std::to_string(player); });
        check(yellow == 0 || isOn(state.showBadSquares),
              [&] { return "yellow squares with Show Bad Squares off"; });
        check(state.nextBullet >= 1 && state.nextBullet <= 50,
              [&] { return "nextBullet " + std::to_string(state.nextBullet); });
        for (int i = 0; i < 44; ++i) {
            const ShapeObject& gun = scene.Gun(static_cast<std::size_t>(i));
            const int t = gun.Tag.size() == 1 ? gun.Tag[0] - '0' : -1;
            check(t >= 0 && t <= 4 && gun.BackColor == ChargeColours[t],
                  [&] { return "gun " + std::to_string(i) + " coloured unlike its tag " + gun.Tag; });
            check(gun.Visible == (state.twoWay == 0 || TwoWayGuns[static_cast<std::size_t>(i)] == '1'),
                  [&] { return "gun " + std::to_string(i) + " shown against the mode"; });
        }
        check(state.score >= lastScore, [&] { return "score fell to " + std::to_string(state.score); });
        check(state.level == expectedLevel(state.score), [&] {
            return "level " + std::to_string(state.level) + " for score " + std::to_string(state.score);
        });
        lastScore = state.score;
        bestScore = std::max(bestScore, state.score);
    }

    EXPECT_EQ(failures, 0) << firstFailure;
    EXPECT_TRUE(diag.str().empty()) << diag.str();
    // The session must have been a real one: many games, records, levels
    // above the first, and option switches along the way.
    EXPECT_GT(games, 20);
    EXPECT_GT(records, 2);
    EXPECT_GT(bestScore, 10);
    EXPECT_GT(optionSwitches, 50);
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    std::cout << "[ scenario ] " << delivered << " ticks, " << games << " games, " << records
              << " records, best score " << bestScore << ", " << optionSwitches << " option switches, "
              << seconds << " s\n";
}

} // namespace
} // namespace vexel::test
