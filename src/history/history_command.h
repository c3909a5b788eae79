#pragma once

#include "replay/replay_files.h"

#include <iosfwd>
#include <string>
#include <string_view>

namespace vexel::history {

// `vexel --history`: the top ten of each mode and the totals, with no
// display. A missing history is made first, with the kept replays in
// replaysFolder. Exits with 0, or 1 when the history cannot be read.
int printHistory(const std::string& historyPath, const std::string& replaysFolder, std::ostream& out,
                 std::ostream& err);

// "game:N" names game N of the history; anything else is a replay file.
bool namesHistoryGame(std::string_view argument);

// The replay to watch or check: game N of the history, or a kept replay
// or a file (see replay::replayPath). The error names what was asked for.
replay::FileReadResult loadGameOrFile(std::string_view argument, const std::string& replaysFolder,
                                      const std::string& historyPath);

} // namespace vexel::history
