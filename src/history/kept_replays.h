#pragma once

#include "history/game_record.h"

#include <string>
#include <vector>

namespace vexel::history {

struct KeptGame {
    GameRecord record;
    std::string text;
};

// The replay files kept before there was a history (the last game and the
// record of each mode), oldest first, each game once: the last game is
// often also a record. A file that cannot be read is passed over.
std::vector<KeptGame> keptGames(const std::string& replaysFolder);

} // namespace vexel::history
