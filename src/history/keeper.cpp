#include "history/keeper.h"

#include "history/history_store.h"
#include "history/history_texts.h"
#include "replay/replay_format.h"
#include "ui/game_over_warnings.h"

#include <algorithm>
#include <ctime>
#include <ostream>

namespace vexel::history {

Keeper::Keeper(HistoryStore& store, GameOverWarnings& warnings, std::ostream& diagnostics, Clock clock)
    : store_(store), warnings_(warnings), diagnostics_(diagnostics), clock_(std::move(clock))
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
    warnings_.add(GameOverWarnings::Part::History, text::warningBox(store_.path(), *problem));
}

} // namespace vexel::history
