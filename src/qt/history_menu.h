#pragma once

#include <functional>
#include <optional>
#include <string>

namespace vexel::history {
class HistorySource;
}

namespace vexel::qt {

class GameWindow;

// Shows "History" in the window's menu bar: choosing it pauses a running
// game as the Options menu does and opens the History window, or brings
// back the one already open. Before each opening, `reopen` brings the
// source up to date and returns what keeps it from being read, a whole
// sentence ("PATH is damaged."), which a warning then says instead.
using ReopenHistory = std::function<std::optional<std::string>()>;
void offerHistory(GameWindow& window, const history::HistorySource& source, bool autoPause,
                  ReopenHistory reopen = {});

} // namespace vexel::qt
