#pragma once

// A game wired to a headless window, a scripted random source and a records
// store, for the GoogleTest suites.

#include "expected.h"
#include "memory_store.h"
#include "scratch_folder.h"

#include "app/form1.h"
#include "headless/headless_host.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <memory>
#include <set>
#include <sstream>

namespace vexel::test {

namespace fs = std::filesystem;
using testsupport::ChargeColours;
using testsupport::entries;
using testsupport::expectedLevel;
using testsupport::MemoryStore;
using testsupport::readBytes;
using testsupport::ScratchFolder;
using testsupport::writeBytes;

// Hands out queued values, then a fallback that never starts a charge, and
// counts every draw so that tests can see how many the tick made.
struct ScriptedRandom final : RandomSource {
    float draw() override
    {
        ++draws;
        if (queue.empty())
            return fallback;
        const float value = queue.front();
        queue.pop_front();
        return value;
    }
    std::deque<float> queue;
    std::size_t draws = 0;
    float fallback = 0.99F;
};

// The file the game writes for a table: the table in quotes, CR LF.
inline std::string scoreLine(const std::string& table)
{
    return "\"" + table + "\"\r\n";
}

inline constexpr const char* StartupCaption = "Vexel: Paused (press Enter to play) with 0 points";
inline constexpr const char* DefaultTable = "00000000ZUVO ZUVO ";
inline constexpr const char* Unfired = "hidden 16,32 25x25 tag 4";
// Which guns two-way play shows: the left and right ones.
inline const std::string TwoWayGuns = "00000000000111111111110000000000011111111111";

// A shape in one line, so that one comparison shows all that matters of it.
inline std::string describe(const ShapeObject& s)
{
    std::ostringstream out;
    out << (s.Visible ? "shown " : "hidden ") << s.Left << "," << s.Top << " " << s.Width << "x" << s.Height
        << " tag " << s.Tag;
    return out.str();
}

// The dialogs shown so far, one per line: kind, title, icon and text.
inline std::string transcript(const HeadlessHost& host)
{
    std::string out;
    for (const HeadlessHost::Dialog& d : host.dialogs())
        out += (d.kind == HeadlessHost::Dialog::Kind::Input ? "input " : "message ") + d.title +
               (d.icon == MessageIcon::Information ? " (i): "
                : d.icon == MessageIcon::Warning   ? " (!): "
                                                   : ": ") +
               d.text + "|";
    return out;
}

struct Game {
    explicit Game(scores::RecordStore& records, int width = 366, int height = 366)
        : host(width, height), form(state, host, random, records, diag)
    {
        host.attach(form);
        host.show();
    }

    ShapeObject& grid(int n) { return form.scene().Grid(static_cast<std::size_t>(n)); }
    ShapeObject& gun(int n) { return form.scene().Gun(static_cast<std::size_t>(n)); }
    ShapeObject& bullet(int n) { return form.scene().Bullet(static_cast<std::size_t>(n)); }

    void resume()
    {
        if (!host.timerEnabled())
            host.pressKey(keys::Enter);
    }
    // Ten presses cross the board, so a key that fails to move cannot hang.
    void moveTo(int col, int row)
    {
        for (int i = 0; i < 10 && state.playerCol != col; ++i)
            host.pressKey(state.playerCol < col ? keys::Right : keys::Left);
        for (int i = 0; i < 10 && state.playerRow != row; ++i)
            host.pressKey(state.playerRow < row ? keys::Down : keys::Up);
    }
    // Returns how many ticks were delivered.
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
                random.queue.push_back(chosen.count(i) ? 0.0F : 0.99F);
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
    // One character per gun: whether it is shown, or its charge state.
    std::string guns(bool shown)
    {
        std::string text;
        for (int i = 0; i < 44; ++i)
            text += shown ? (gun(i).Visible ? "1" : "0") : gun(i).Tag;
        return text;
    }

    GameState state;
    HeadlessHost host;
    ScriptedRandom random;
    std::ostringstream diag;
    Form1 form;
};

// Ends the running game: a bullet from gun 14, which fires in both modes,
// runs along row 3 and meets the player waiting in column 0.
inline void loseGame(Game& g)
{
    g.moveTo(0, 3);
    g.fire({14});
    g.run(8);
    EXPECT_EQ(g.host.reloads(), 1);
}

// Each game of a test keeps its records in the test's memory store, which
// outlives the games as a file would.
struct GameTest : ::testing::Test {
    Game& start(int width = 366, int height = 366)
    {
        game = std::make_unique<Game>(records, width, height);
        return *game;
    }
    // The bytes a records file would hold now; empty when there is none.
    std::string stored() const { return records.bytes.value_or(""); }
    MemoryStore records;
    std::unique_ptr<Game> game;
};

} // namespace vexel::test
