#include "history/keeper.h"

#include "history/history_store.h"
#include "history/history_texts.h"
#include "replay/replay_format.h"
#include "ui/window_host.h"

#include <algorithm>
#include <ctime>
#include <ostream>

namespace vexel::history {

Keeper::Keeper(HistoryStore& store, WindowHost& window, std::ostream& diagnostics, Clock clock)
    : store_(store), window_(window), diagnostics_(diagnostics), clock_(std::move(clock))
{
    if (!clock_)
        clock_ = [] { return static_cast<std::int64_t>(std::time(nullptr)); };
}

void Keeper::keep(const replay::Replay& game, bool setRecord)
{
    const std::optional<Problem> problem =
        store_.add(recordOf(game, setRecord, clock_()), replay::writeReplay(game));
    if (!problem) {
        told_.clear();
        return;
    }
    if (std::find(told_.begin(), told_.end(), *problem) != told_.end())
        return;
    told_.push_back(*problem);
    diagnostics_ << text::addFailureLine(store_.path(), *problem);
    window_.messageBox(text::warningBox(store_.path(), *problem), "Vexel", MessageIcon::Warning);
}

} // namespace vexel::history
