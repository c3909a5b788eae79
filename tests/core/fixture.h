#pragma once

// A game wired to a headless window, a scripted random source and a scores
// file in a fresh temporary folder, for the core tests.

#include "app/form1.h"
#include "app/game_state.h"
#include "scores/score_file.h"
#include "ui/headless/headless_host.h"
#include "ui/random_source.h"
#include "ui/scene.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace vexel::test {

namespace fs = std::filesystem;

// A folder of its own for every test, removed with everything in it.
class TempDir {
public:
    explicit TempDir(const fs::path& base = fs::temp_directory_path())
    {
        std::string pattern = (base / "vexel-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a temporary folder");
        path_ = pattern;
    }
    ~TempDir()
    {
        std::error_code ignored;
        // A test may have left the folder read-only; give it back first.
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const fs::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    fs::path path_;
};

// Hands out queued values, then a fallback that never starts a charge, and
// counts every draw so that tests can see how many the tick made.
class ScriptedRandom final : public RandomSource {
public:
    float draw() override
    {
        ++draws_;
        if (queue_.empty())
            return fallback_;
        const float value = queue_.front();
        queue_.pop_front();
        return value;
    }
    void queue(float value) { queue_.push_back(value); }
    std::size_t pending() const { return queue_.size(); }
    std::size_t draws() const { return draws_; }
    void setFallback(float value) { fallback_ = value; }

private:
    std::deque<float> queue_;
    std::size_t draws_ = 0;
    float fallback_ = 0.99F;
};

inline std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

inline void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// The file the game writes for a table: the table in quotes, CR LF.
inline std::string scoreLine(const std::string& table)
{
    return "\"" + table + "\"\r\n";
}

// The level of a score as the game's level table gives it, written out here
// on its own so that the game is not checked against itself.
inline int expectedLevel(int score)
{
    constexpr int lastOfLevel[] = {10, 25, 50, 100, 250, 500, 1000, 2000, 3000, 5000, 7500, 9999};
    int level = 1;
    for (int last : lastOfLevel) {
        if (score <= last)
            return level;
        ++level;
    }
    return 12;
}

inline constexpr const char* StartupCaption = "Vexel: Paused (press Enter to play) with 0 points";
inline constexpr const char* DefaultTable = "00000000ZUVO ZUVO ";
inline constexpr Color Amber = rgb(255, 192, 0);
inline constexpr Color Orange = rgb(255, 128, 0);
inline constexpr Color RedOrange = rgb(255, 64, 0);
inline constexpr Color Red = rgb(255, 0, 0);

struct Game {
    explicit Game(const std::string& scoresPath, int width = 366, int height = 366)
        : host(width, height), file(scoresPath), form(state, host, random, file, diag)
    {
        host.attach(form);
    }

    void start() { host.show(); }

    Scene& scene() { return form.scene(); }
    ShapeObject& grid(int n) { return scene().Grid(static_cast<std::size_t>(n)); }
    ShapeObject& gun(int n) { return scene().Gun(static_cast<std::size_t>(n)); }
    ShapeObject& bullet(int n) { return scene().Bullet(static_cast<std::size_t>(n)); }

    void resume()
    {
        if (!host.timerEnabled())
            host.pressKey(keys::Enter);
    }
    void press(int key, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            host.pressKey(key);
    }
    // Walks the player to a square with the arrow keys. Ten presses cross
    // the board, so a key that fails to move cannot hang a test.
    void moveTo(int col, int row)
    {
        for (int i = 0; i < 10 && state.playerCol < col; ++i)
            host.pressKey(keys::Right);
        for (int i = 0; i < 10 && state.playerCol > col; ++i)
            host.pressKey(keys::Left);
        for (int i = 0; i < 10 && state.playerRow < row; ++i)
            host.pressKey(keys::Down);
        for (int i = 0; i < 10 && state.playerRow > row; ++i)
            host.pressKey(keys::Up);
    }
    // Runs ticks; returns how many were delivered.
    int run(int ticks)
    {
        int delivered = 0;
        for (int i = 0; i < ticks; ++i)
            delivered += host.tick() ? 1 : 0;
        return delivered;
    }

    // Scripts the draws of the next tick so that exactly the given guns,
    // among those idle now, start to charge.
    void chargeNextTick(std::initializer_list<int> guns)
    {
        const std::set<int> chosen(guns);
        for (int i = 0; i < 44; ++i) {
            if (gun(i).Tag == "0")
                random.queue(chosen.count(i) ? 0.0F : 0.99F);
        }
    }
    // The guns charge on the next tick and fire on the fifth.
    void fire(std::initializer_list<int> guns)
    {
        resume();
        chargeNextTick(guns);
        run(5);
    }

    std::vector<int> squaresOf(Color color)
    {
        std::vector<int> found;
        for (int i = 0; i <= 120; ++i) {
            if (grid(i).BackColor == color)
                found.push_back(i);
        }
        return found;
    }
    std::vector<int> yellow() { return squaresOf(colors::Yellow); }
    std::vector<int> green() { return squaresOf(colors::Player); }

    GameState state;
    HeadlessHost host;
    ScriptedRandom random;
    scores::ScoreFile file;
    std::ostringstream diag;
    Form1 form;
};

class GameTest : public ::testing::Test {
protected:
    std::string scoresPath() const { return dir.file("vexel.ini"); }
    Game& start(int width = 366, int height = 366)
    {
        game = std::make_unique<Game>(scoresPath(), width, height);
        game->start();
        return *game;
    }

    TempDir dir;
    std::unique_ptr<Game> game;
};

} // namespace vexel::test
