#pragma once

#include "app/form1.h"
#include "app/game_state.h"
#include "headless/headless_host.h"
#include "ui/random_source.h"

#include "memory_store.h"
#include "replay/recorder.h"

#include <cstdint>
#include <memory>
#include <sstream>
#include <string>

namespace vexel::bench {

// A running game in a headless window, with its records in memory.
class Rig {
public:
    // A recorded rig follows its games as the game executable does.
    explicit Rig(bool recorded = false);
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
    testsupport::MemoryStore records_;
    std::unique_ptr<Form1> form_;
    replay::Recorder recorder_{random, {}, diagnostics};
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

int visibleBullets(const Scene& scene);
int chargingGuns(const Scene& scene);

} // namespace vexel::bench
