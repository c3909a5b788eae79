// One long game session from a fixed seed: a scripted player presses keys
// and switches options at random while the game's own generator drives the
// guns, and the board is checked after every single tick.

#include "fixture.h"

#include <chrono>
#include <iostream>
#include <random>

namespace vexel::test {
namespace {

constexpr int Ticks = 100000;

Color chargeColour(const std::string& tag)
{
    static constexpr Color byState[] = {colors::Yellow, Amber, Orange, RedOrange, Red};
    if (tag.size() != 1 || tag[0] < '0' || tag[0] > '4')
        return colors::Black; // matches no gun colour
    return byState[tag[0] - '0'];
}

std::size_t utf8Characters(const std::string& text)
{
    std::size_t count = 0;
    for (unsigned char byte : text)
        count += (byte & 0xC0U) != 0x80U ? 1 : 0;
    return count;
}

// A bullet closing in on the player along its row or column; returns the key
// that steps out of its line, or 0 when there is none.
int threat(const Scene& scene, const GameState& state)
{
    const float left = static_cast<float>(50 + 24 * state.playerCol);
    const float top = static_cast<float>(50 + 24 * state.playerRow);
    for (std::size_t i = 1; i <= 50; ++i) {
        const ShapeObject& b = scene.Bullet(i);
        if (!b.Visible)
            continue;
        const bool down = b.Tag == "0" && b.Left == left && b.Top < top + 24 && b.Top > top - 80;
        const bool up = b.Tag == "2" && b.Left == left && b.Top > top - 24 && b.Top < top + 80;
        const bool right = b.Tag == "1" && b.Top == top && b.Left < left + 24 && b.Left > left - 80;
        const bool leftwards = b.Tag == "3" && b.Top == top && b.Left > left - 24 && b.Left < left + 80;
        if (down || up)
            return state.playerCol > 0 ? keys::Left : keys::Right;
        if (right || leftwards)
            return state.playerRow > 0 ? keys::Up : keys::Down;
    }
    return 0;
}

// Keeps the first broken invariant with the tick it broke on, and a count of
// all of them, so that a fault reports once instead of on every tick.
struct Failures {
    long count = 0;
    std::string first;
    void add(long tick, const std::string& what)
    {
        if (count++ == 0)
            first = "tick " + std::to_string(tick) + ": " + what;
    }
};

TEST(Scenario, AHundredThousandTicksKeepEveryInvariant)
{
    const auto began = std::chrono::steady_clock::now();
    // Every lost game saves with fsync; on a memory-backed folder that costs
    // nothing, so the session's run time is the game's and not the disk's.
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
    bool answered = false;
    long records = 0;
    host.onDialog = [&](const HeadlessHost::Dialog& d) {
        if (d.kind == HeadlessHost::Dialog::Kind::Input) {
            answered = true;
            ++records;
        }
    };
    host.queueAnswer(name());
    host.show();

    const int arrows[] = {keys::Left, keys::Up, keys::Right, keys::Down};
    const MenuItem options[] = {MenuItem::ShowBadSquares, MenuItem::ShowLevel, MenuItem::TwoWay};
    Failures failures;
    unsigned long loads = form.loads();
    int lastScore = 0;
    int bestScore = 0;
    long games = 1;
    long delivered = 0;
    long optionSwitches = 0;
    while (delivered < Ticks) {
        // The player between two ticks: mostly dodging, sometimes wandering.
        const int dodge = threat(form.scene(), state);
        if (dodge != 0 && host.timerEnabled() && chance(900)) {
            host.pressKey(dodge);
        } else if (!host.timerEnabled()) {
            if (chance(300))
                host.pressKey(arrows[script() % 4U]);
            else
                host.pressKey(keys::Enter);
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

        if (answered) {
            host.queueAnswer(name());
            answered = false;
        }
        if (form.loads() != loads) {
            // A lost game: the next starts from nothing, with the table that
            // was just written read back.
            loads = form.loads();
            ++games;
            lastScore = 0;
            if (state.score != 0 || state.nextBullet != 1 || host.timerEnabled())
                failures.add(delivered, "the game after a loss did not start afresh and paused");
            if (utf8Characters(state.highScores) != 18)
                failures.add(delivered, "table of other than 18 characters: " + state.highScores);
            if (readBytes(path) != scoreLine(state.highScores))
                failures.add(delivered, "file and table differ");
        }

        const Scene& scene = form.scene();
        int green = 0;
        int yellow = 0;
        for (std::size_t i = 0; i <= 120; ++i) {
            const Color c = scene.Grid(i).BackColor;
            green += c == colors::Player ? 1 : 0;
            yellow += c == colors::Yellow ? 1 : 0;
        }
        const auto playerSquare = static_cast<std::size_t>(state.playerCol + 11 * state.playerRow);
        if (green != 1 || scene.Grid(playerSquare).BackColor != colors::Player)
            failures.add(delivered,
                         std::to_string(green) + " green squares, player at " + std::to_string(playerSquare));
        if (yellow > 0 && !isOn(state.showBadSquares))
            failures.add(delivered, "yellow squares with Show Bad Squares off");
        if (state.nextBullet < 1 || state.nextBullet > 50)
            failures.add(delivered, "nextBullet " + std::to_string(state.nextBullet));
        for (std::size_t i = 0; i < 44; ++i) {
            const ShapeObject& gun = scene.Gun(i);
            if (gun.BackColor != chargeColour(gun.Tag))
                failures.add(delivered, "gun " + std::to_string(i) + " coloured unlike its tag " + gun.Tag);
            const bool sideGun = i / 11 == 1 || i / 11 == 3;
            if (gun.Visible != (sideGun || state.twoWay == 0))
                failures.add(delivered, "gun " + std::to_string(i) + " shown against the mode");
        }
        if (state.score < lastScore)
            failures.add(delivered, "score fell from " + std::to_string(lastScore) + " to " +
                                        std::to_string(state.score));
        if (state.level != expectedLevel(state.score))
            failures.add(delivered, "level " + std::to_string(state.level) + " for score " +
                                        std::to_string(state.score));
        lastScore = state.score;
        bestScore = std::max(bestScore, state.score);
    }

    EXPECT_EQ(failures.count, 0) << failures.first;
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
