#pragma once

#include "app/form1.h"
#include "app/game_state.h"
#include "headless/headless_host.h"
#include "scores/score_file.h"
#include "ui/random_source.h"

#include <cstdint>
#include <memory>
#include <sstream>
#include <string>

namespace vexel::bench {

// A folder for the records of one benchmark, removed with it.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// A running game in a headless window, with its records in a scratch folder
// that disappears with it.
class Rig {
public:
    Rig();
    Rig(const Rig&) = delete;
    Rig& operator=(const Rig&) = delete;

    GameState state;
    HeadlessHost host;
    DefaultRandom random;
    std::ostringstream diagnostics;

    Form1& form() { return *form_; }

    // Remembers the board and the game record as they are now...
    void snapshot();
    // ...and puts them back, so that a benchmark can run the same stretch of
    // play again and again. The random sequence is not rewound: guns keep
    // drawing fresh numbers, as they would in a real game.
    void restore();

private:
    ScratchFolder folder_;
    scores::ScoreFile file_;
    std::unique_ptr<Form1> form_;
    Scene savedScene_;
    GameState savedState_;
};

// The states the tick benchmarks run in. Each leaves the game running (timer
// on) with the player on the centre square, and none can lose within
// SafeTicks ticks: no bullet flies along the player's row or column, and a
// bullet fired during that stretch cannot reach the board's middle.
inline constexpr int SafeTicks = 8;

// Fresh game, every gun idle, no bullet fired.
void makeIdle(Rig& rig);
// Fifty bullets in flight over the board, most guns charging, and bad
// squares shown.
void makeBusy(Rig& rig);
// Two-way play: only the left and right guns charge, 25 bullets in flight
// along rows.
void makeTwoWay(Rig& rig);

// The first seed, from `from` on, with which a game left alone on the
// centre square survives `ticks` ticks, so that a run of the real window
// meets no game-over dialog. The headless game draws exactly as the real
// window does, so the answer holds there too.
std::uint32_t quietSeed(int ticks, std::uint32_t from = 1);

int visibleBullets(const Scene& scene);
int chargingGuns(const Scene& scene);

} // namespace vexel::bench
