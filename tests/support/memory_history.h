#pragma once

#include "history/game_record.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace vexel::testsupport {

// A history without a database, for the window's tests and benchmark. Like
// the store, it answers the top tens and the totals without looking at
// every game: both are kept up to date as games are added.
class MemoryHistory final : public history::HistorySource {
public:
    // Adds a game with the next number and keeps its replay text; returns
    // the number.
    std::int64_t add(history::GameRecord game, std::string replayText = {});

    std::vector<history::GameRecord> games() const override { return games_; }
    std::vector<history::GameSummary> summaries() const override;
    std::vector<history::GameRecord> topTen(bool twoWay) const override { return top_[twoWay ? 1 : 0]; }
    history::Totals totals() const override { return totals_; }
    std::string replayText(std::int64_t id) const override;

    // How often each question was asked, so that a test can see what the
    // window reads, and when.
    mutable int summaryReads = 0;

private:
    std::vector<history::GameRecord> games_;
    std::map<std::int64_t, std::string> replays_;
    std::vector<history::GameRecord> top_[2];
    history::Totals totals_;
};

// A history of `count` made-up games, a game every few minutes from a fixed
// start, scores rising with practice, one game in four two-way, each
// record-setting game with a name; the replay texts are left empty.
MemoryHistory generatedHistory(std::size_t count, std::uint32_t seed = 1);

} // namespace vexel::testsupport
