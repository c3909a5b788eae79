#include "history/history_command.h"

#include "app/command_line.h"
#include "history/history_store.h"
#include "history/history_texts.h"
#include "replay/replay_files.h"

#include <ostream>
#include <sstream>

namespace vexel::history {

namespace {

constexpr std::string_view GamePrefix = "game:";

} // namespace

int printHistory(const std::string& historyPath, const std::string& replaysFolder, std::ostream& out,
                 std::ostream& err)
{
    HistoryStore store(historyPath, replaysFolder);
    // The first look at the history makes it, with the games kept before
    // it as replays, as the first game would; what stands in the way is
    // told by open().
    store.create();
    if (const auto problem = store.open()) {
        err << text::readFailureLine(historyPath, *problem);
        return 1;
    }
    // Held back until every read has gone through: a damaged page met on
    // the way is told instead of half a listing.
    std::ostringstream listing;
    for (const bool twoWay : {false, true}) {
        if (twoWay)
            listing << '\n';
        listing << text::topTenHeading(twoWay);
        const std::vector<GameRecord> best = store.topTen(twoWay);
        if (best.empty())
            listing << text::noGamesLine();
        for (std::size_t i = 0; i < best.size(); ++i)
            listing << text::topTenLine(static_cast<int>(i + 1), best[i]);
    }
    listing << '\n' << text::totalsLine(store.totals());
    if (const auto& problem = store.readProblem()) {
        err << text::readFailureLine(historyPath, *problem);
        return 1;
    }
    out << listing.str();
    return 0;
}

bool namesHistoryGame(std::string_view argument)
{
    return argument.substr(0, GamePrefix.size()) == GamePrefix;
}

replay::FileReadResult loadGameOrFile(std::string_view argument, const std::string& replaysFolder,
                                      const std::string& historyPath)
{
    if (!namesHistoryGame(argument))
        return replay::loadReplayFile(replay::replayPath(argument, replaysFolder));

    replay::FileReadResult result;
    const std::string name(argument);
    // The same digits a seed takes: no sign, no blanks, nothing after.
    const std::optional<std::uint32_t> id = parseSeed(argument.substr(GamePrefix.size()));
    if (!id) {
        result.error = result.reason = text::notAGame(name);
        return result;
    }
    HistoryStore store(historyPath, {});
    if (const auto problem = store.open()) {
        result.error = text::describe(historyPath, *problem);
        return result;
    }
    const std::string replayText = store.replayText(*id);
    if (const auto& problem = store.readProblem()) {
        result.error = text::describe(historyPath, *problem);
        return result;
    }
    if (replayText.empty()) {
        result.error = result.reason = text::noSuchGame(*id);
        return result;
    }
    replay::ReadResult read = replay::readReplay(replayText);
    result.replay = std::move(read.replay);
    if (!result.replay) {
        result.reason = read.error;
        result.error = name + ": " + read.error;
    }
    return result;
}

} // namespace vexel::history
