#include "history/history_texts.h"

#include "text/utf8.h"
#include "ui/texts.h"

#include <cstdio>
#include <ctime>

namespace vexel::history::text {

std::string describe(const std::string& path, const Problem& problem)
{
    const std::string& why = problem.detail;
    switch (problem.kind) {
    case Problem::Kind::Unreadable:
        return fill(translate("History", "%1 cannot be read: %2."), {path, why});
    case Problem::Kind::Foreign:
        return fill(translate("History", "%1 is not a history of this game."), {path});
    case Problem::Kind::Damaged:
        return why.empty() ? fill(translate("History", "%1 is damaged."), {path})
                           : fill(translate("History", "%1 is damaged: %2."), {path, why});
    case Problem::Kind::Newer:
        return fill(translate("History", "%1 was written by a newer version of the game."), {path});
    case Problem::Kind::ReadOnly:
        return fill(translate("History", "%1 may not be written."), {path});
    case Problem::Kind::Failed:
        break;
    }
    return fill(translate("History", "%1 could not be written: %2."), {path, why});
}

std::string warningBox(const std::string& path, const Problem& problem)
{
    return fill(translate("History",
                          "This game could not be added to the history.\n\n%1\nThe game goes on and "
                          "the high scores are kept; the history file is left as it is."),
                {describe(path, problem)});
}

std::string addFailureLine(const std::string& path, const Problem& problem)
{
    return "vexel: " +
           fill(translate("History", "this game is not added to the history: %1"),
                {describe(path, problem)}) +
           "\n";
}

std::string readFailureLine(const std::string& path, const Problem& problem)
{
    return "vexel: " +
           fill(translate("History", "the history cannot be read: %1"), {describe(path, problem)}) + "\n";
}

std::string topTenHeading(bool twoWay)
{
    return (twoWay ? translate("History", "2-way top ten") : translate("History", "4-way top ten")) + "\n";
}

std::string topTenLine(int rank, const GameRecord& game)
{
    char rankText[16];
    char score[16];
    char level[16];
    std::snprintf(rankText, sizeof rankText, "%3d", rank);
    std::snprintf(score, sizeof score, "%4d", game.score);
    std::snprintf(level, sizeof level, "%2d", game.level);
    // The holder's five characters, or as many blanks. The game writes
    // them printable; a row changed with the sqlite3 shell may hold
    // anything, and must not break the line.
    const std::string name = utf8::printable(game.setRecord ? game.holder : std::string(), 5);
    return fill(translate("History", "%1. %2  level %3  %4  %5  game %6",
                          "one line of the top ten: rank, score, level, holder, date and time, game number"),
                {rankText, score, level, name, localDateTime(game.endedUtc), std::to_string(game.id)}) +
           "\n";
}

std::string noGamesLine()
{
    return "     " + translate("History", "no games yet") + "\n";
}

std::string totalsLine(const Totals& totals)
{
    return fill(translate("History", "Games played: %1, time played: %2"),
                {std::to_string(totals.games), playingTime(totals.ticks)}) +
           "\n";
}

std::string noSuchGame(std::int64_t id)
{
    return fill(translate("History", "there is no game %1 in the history"), {std::to_string(id)});
}

std::string notAGame(const std::string& argument)
{
    return fill(translate("History", "'%1' does not name a game of the history (game:N, N a whole number)"),
                {argument});
}

std::string localDateTime(std::int64_t utcSeconds)
{
    const auto when = static_cast<std::time_t>(utcSeconds);
    std::tm local{};
    char text[32] = "-";
    if (::localtime_r(&when, &local) != nullptr)
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

std::string playingTime(std::uint64_t ticks)
{
    const std::uint64_t seconds = ticks / 50;
    char text[48];
    std::snprintf(text, sizeof text, "%llu:%02llu:%02llu", static_cast<unsigned long long>(seconds / 3600),
                  static_cast<unsigned long long>(seconds / 60 % 60),
                  static_cast<unsigned long long>(seconds % 60));
    return text;
}

} // namespace vexel::history::text
