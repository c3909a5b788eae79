#include "memory_history.h"

#include <algorithm>
#include <random>

namespace vexel::testsupport {

std::int64_t MemoryHistory::add(history::GameRecord game, std::string replayText)
{
    game.id = games_.empty() ? 1 : games_.back().id + 1;
    games_.push_back(game);
    if (!replayText.empty())
        replays_[game.id] = std::move(replayText);

    // Higher score first, the earlier game first at an equal score: a new
    // game goes after every game with its score.
    auto& top = top_[game.twoWay ? 1 : 0];
    const auto at = std::upper_bound(top.begin(), top.end(), game,
                                     [](const auto& a, const auto& b) { return a.score > b.score; });
    top.insert(at, game);
    if (top.size() > 10)
        top.pop_back();

    totals_.games += 1;
    totals_.ticks += game.ticks;
    history::ModeTotals& mode = game.twoWay ? totals_.twoWay : totals_.fourWay;
    mode.best = mode.games == 0 ? game.score : std::max(mode.best, game.score);
    mode.average =
        (mode.average * static_cast<double>(mode.games) + game.score) / static_cast<double>(mode.games + 1);
    mode.games += 1;
    return game.id;
}

std::vector<history::GameSummary> MemoryHistory::summaries() const
{
    ++summaryReads;
    std::vector<history::GameSummary> rows;
    rows.reserve(games_.size());
    for (const history::GameRecord& game : games_)
        rows.push_back({game.id, game.endedUtc, game.ticks, game.score, game.level, game.twoWay});
    return rows;
}

std::string MemoryHistory::replayText(std::int64_t id) const
{
    const auto found = replays_.find(id);
    return found == replays_.end() ? std::string() : found->second;
}

MemoryHistory generatedHistory(std::size_t count, std::uint32_t seed)
{
    MemoryHistory history;
    std::mt19937 random(seed);
    std::int64_t ended = 1'700'000'000;
    int best[2] = {0, 0};
    for (std::size_t i = 0; i < count; ++i) {
        history::GameRecord game;
        game.twoWay = random() % 4 == 0;
        // Practice helps, up to a point.
        const int skill = 5 + static_cast<int>(std::min<std::size_t>(i, 2000) / 40);
        game.score = static_cast<int>(random() % static_cast<std::uint32_t>(skill * 2));
        game.level = std::min(12, 1 + game.score / 10);
        game.ticks = static_cast<std::uint32_t>(200 + game.score * 60 + static_cast<int>(random() % 400));
        ended += 60 + static_cast<std::int64_t>(random() % 600);
        game.endedUtc = ended;
        game.startTwoWay = game.twoWay;
        int& modeBest = best[game.twoWay ? 1 : 0];
        game.setRecord = game.score > modeBest;
        if (game.setRecord) {
            modeBest = game.score;
            game.holder = "P" + std::to_string(i % 10000);
        }
        history.add(game);
    }
    return history;
}

} // namespace vexel::testsupport
