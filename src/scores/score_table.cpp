#include "scores/score_table.h"

#include "text/utf8.h"
#include "ui/texts.h"

#include <algorithm>
#include <cstdio>

namespace vexel::scores {

namespace {

struct Entry {
    std::string score;
    std::string name;
    bool operator==(const Entry&) const = default;
};

Entry entryOf(std::string_view table, Record mode)
{
    if (mode == Record::TwoWay)
        return {twoWayScore(table), twoWayName(table)};
    return {fourWayScore(table), fourWayName(table)};
}

} // namespace

std::string chars(std::string_view table, std::size_t first, std::size_t count)
{
    std::string out;
    std::size_t index = 1;
    std::size_t taken = 0;
    for (std::size_t pos = 0; pos < table.size() && taken < count;) {
        const std::size_t length = utf8::charLength(table, pos);
        if (index >= first) {
            out.append(table.substr(pos, length));
            ++taken;
        }
        pos += length;
        ++index;
    }
    out.append(count - taken, ' ');
    return out;
}

std::string lastChars(std::string_view table, std::size_t count)
{
    const std::size_t total = utf8::charCount(table);
    if (total < count)
        return std::string(table) + std::string(count - total, ' ');
    return chars(table, total - count + 1, count);
}

std::string withoutFirstAndLast(std::string_view line)
{
    const std::size_t total = utf8::charCount(line);
    if (total < 2)
        return {};
    // Walk to the start of the last character, skipping the first.
    std::size_t start = utf8::charLength(line, 0);
    std::size_t end = start;
    for (std::size_t index = 2; index < total; ++index)
        end += utf8::charLength(line, end);
    return std::string(line.substr(start, end - start));
}

int fieldValue(std::string_view field)
{
    std::size_t pos = 0;
    while (pos < field.size() && field[pos] == ' ')
        ++pos;
    int value = 0;
    for (; pos < field.size() && field[pos] >= '0' && field[pos] <= '9'; ++pos) {
        value = value * 10 + (field[pos] - '0');
        if (value > MaxScore * 10)
            break;
    }
    return value;
}

std::string scoreField(int score)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04d", std::clamp(score, 0, MaxScore));
    return text;
}

std::string twoWayScore(std::string_view table)
{
    return chars(table, 1, 4);
}
std::string fourWayScore(std::string_view table)
{
    return chars(table, 5, 4);
}
std::string twoWayName(std::string_view table)
{
    return chars(table, 9, NameLength);
}
std::string fourWayName(std::string_view table)
{
    return lastChars(table, NameLength);
}

Record recordBeaten(std::string_view table, int score, bool twoWay)
{
    if (!twoWay && score > fieldValue(fourWayScore(table)))
        return Record::FourWay;
    if (twoWay && score > fieldValue(twoWayScore(table)))
        return Record::TwoWay;
    return Record::None;
}

std::string holderName(std::string_view typed)
{
    return utf8::printable(typed, NameLength);
}

std::string withRecord(std::string_view table, Record record, int score, std::string_view name)
{
    const std::string field = scoreField(score);
    switch (record) {
    case Record::FourWay:
        return chars(table, 1, 4) + field + chars(table, 9, 5) + std::string(name);
    case Record::TwoWay:
        return field + chars(table, 5, 4) + std::string(name) + lastChars(table, 5);
    case Record::None:
        break;
    }
    return std::string(table);
}

std::string mergeTables(std::string_view stored, std::string_view mine, std::string_view provisional)
{
    std::string merged(stored);
    for (const Record mode : {Record::TwoWay, Record::FourWay}) {
        const Entry theirs = entryOf(stored, mode);
        const Entry ours = entryOf(mine, mode);
        const int theirScore = fieldValue(theirs.score);
        const int ourScore = fieldValue(ours.score);
        const bool namesOwnRecord = !provisional.empty() && ourScore == theirScore && ours != theirs &&
                                    theirs == entryOf(provisional, mode);
        if (ourScore > theirScore || namesOwnRecord)
            merged = withRecord(merged, mode, ourScore, ours.name);
    }
    return merged;
}

std::string displayText(std::string_view table)
{
    return fill(translate("HighScores", "The high scores are:\n\n4-Way: %1 by %2\n2-Way: %3 by %4"),
                {fourWayScore(table), fourWayName(table), twoWayScore(table), twoWayName(table)});
}

} // namespace vexel::scores
