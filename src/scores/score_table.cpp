#include "scores/score_table.h"

#include "ui/texts.h"

#include <algorithm>
#include <cstdio>

namespace vexel::scores {

namespace {

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0U) == 0x80U;
}

// Decodes the character at pos; returns its code point, or -1 for a byte
// that does not begin a well-formed sequence.
long decode(std::string_view text, std::size_t pos, std::size_t& length)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t need = 0;
    long value = 0;
    long minimum = 0;
    if (lead < 0x80U) {
        length = 1;
        return lead;
    }
    if ((lead & 0xE0U) == 0xC0U) {
        need = 1;
        value = lead & 0x1FU;
        minimum = 0x80;
    } else if ((lead & 0xF0U) == 0xE0U) {
        need = 2;
        value = lead & 0x0FU;
        minimum = 0x800;
    } else if ((lead & 0xF8U) == 0xF0U) {
        need = 3;
        value = lead & 0x07U;
        minimum = 0x10000;
    } else {
        length = 1;
        return -1;
    }
    if (pos + need >= text.size()) {
        length = 1;
        return -1;
    }
    for (std::size_t i = 1; i <= need; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if (!isContinuation(byte)) {
            length = 1;
            return -1;
        }
        value = (value << 6) | (byte & 0x3FU);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        length = 1;
        return -1;
    }
    length = need + 1;
    return value;
}

// Characters that would break the name's line or, as the bidirectional
// marks, embeddings, overrides and isolates do, reorder the text shown after
// it or hide themselves in it.
bool isControl(long code)
{
    return code < 0x20 || (code >= 0x7F && code < 0xA0) || code == 0x2028 || code == 0x2029 ||
           code == 0x061C || code == 0x200E || code == 0x200F || (code >= 0x202A && code <= 0x202E) ||
           (code >= 0x2066 && code <= 0x2069);
}

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

std::size_t charLength(std::string_view text, std::size_t pos)
{
    std::size_t length = 1;
    decode(text, pos, length);
    return length;
}

std::size_t charCount(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += charLength(text, pos))
        ++count;
    return count;
}

std::string chars(std::string_view table, std::size_t first, std::size_t count)
{
    std::string out;
    std::size_t index = 1;
    std::size_t taken = 0;
    for (std::size_t pos = 0; pos < table.size() && taken < count;) {
        const std::size_t length = charLength(table, pos);
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
    const std::size_t total = charCount(table);
    if (total < count)
        return std::string(table) + std::string(count - total, ' ');
    return chars(table, total - count + 1, count);
}

std::string withoutFirstAndLast(std::string_view line)
{
    const std::size_t total = charCount(line);
    if (total < 2)
        return {};
    // Walk to the start of the last character, skipping the first.
    std::size_t start = charLength(line, 0);
    std::size_t end = start;
    for (std::size_t index = 2; index < total; ++index)
        end += charLength(line, end);
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
    std::string name;
    std::size_t taken = 0;
    for (std::size_t pos = 0; pos < typed.size() && taken < NameLength; ++taken) {
        std::size_t length = 1;
        const long code = decode(typed, pos, length);
        if (code < 0)
            name += "\xEF\xBF\xBD"; // U+FFFD stands in for a broken byte
        else if (isControl(code))
            name += ' ';
        else
            name.append(typed.substr(pos, length));
        pos += length;
    }
    name.append(NameLength - taken, ' ');
    return name;
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
