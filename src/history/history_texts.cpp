#include "history/history_texts.h"

#include <cstdio>
#include <ctime>

namespace vexel::history::text {

namespace {

std::string withDetail(std::string text, const std::string& detail)
{
    if (!detail.empty())
        text += " (" + detail + ")";
    return text;
}

} // namespace

std::string reason(const Problem& problem)
{
    switch (problem.kind) {
    case Problem::Kind::Unreadable:
        return withDetail("cannot be read", problem.detail);
    case Problem::Kind::Foreign:
        return "is not a history of this game";
    case Problem::Kind::Damaged:
        return withDetail("is damaged", problem.detail);
    case Problem::Kind::Newer:
        return "was written by a newer version of the game";
    case Problem::Kind::ReadOnly:
        return "may not be written";
    case Problem::Kind::Failed:
        break;
    }
    return withDetail("could not be written", problem.detail);
}

std::string warningBox(const std::string& path, const Problem& problem)
{
    return "This game could not be added to the history.\n\n" + path + " " + reason(problem) +
           ".\nThe game goes on and the high scores are kept; the history file is left as it is.";
}

std::string addFailureLine(const std::string& path, const Problem& problem)
{
    return "vexel: cannot add the game to the history: " + path + " " + reason(problem) +
           "; it is left as it is\n";
}

std::string readFailureLine(const std::string& path, const Problem& problem)
{
    return "vexel: cannot read the history: " + path + " " + reason(problem) + "\n";
}

std::string topTenHeading(bool twoWay)
{
    return twoWay ? "2-way top ten\n" : "4-way top ten\n";
}

std::string topTenLine(int rank, const GameRecord& game)
{
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "%3d. %4d  level %2d  ", rank, game.score, game.level);
    // The holder's five characters, or as many blanks.
    const std::string name = game.setRecord && !game.holder.empty() ? game.holder : "     ";
    return numbers + name + "  " + localDateTime(game.endedUtc) + "  game " + std::to_string(game.id) + "\n";
}

std::string noGamesLine()
{
    return "     no games yet\n";
}

std::string totalsLine(const Totals& totals)
{
    return "Games played: " + std::to_string(totals.games) + ", time played: " + playingTime(totals.ticks) +
           "\n";
}

std::string noSuchGame(std::int64_t id)
{
    return "there is no game " + std::to_string(id) + " in the history";
}

std::string notAGame(const std::string& argument)
{
    return "'" + argument + "' does not name a game of the history (game:N, N a whole number)";
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
