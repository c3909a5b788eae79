#pragma once

#include <string>
#include <string_view>

namespace vexel::scores {

// The table is 18 characters of fixed-width fields:
//   1-4 two-way best, 5-8 four-way best, 9-13 two-way holder,
//   and the last five the four-way holder.
// Characters are UTF-8 sequences as text/utf8.h reads them, so any bytes
// can be handled.
inline constexpr std::string_view DefaultTable = "00000000ZUVO ZUVO ";
inline constexpr int MaxScore = 9999;
inline constexpr std::size_t NameLength = 5;

enum class Record { None, FourWay, TwoWay };

// Characters first..first+count-1, counting from 1 as the table's layout
// does. Characters past the end of a short table read as spaces.
std::string chars(std::string_view table, std::size_t first, std::size_t count);
// The last count characters, padded with spaces when the table is shorter.
std::string lastChars(std::string_view table, std::size_t count);

// Drops the first and the last character (the quotes the file wraps the
// table in, whatever they are).
std::string withoutFirstAndLast(std::string_view line);

// Leading decimal digits; a field that does not begin with one is 0.
int fieldValue(std::string_view field);
std::string scoreField(int score);

std::string twoWayScore(std::string_view table);
std::string fourWayScore(std::string_view table);
std::string twoWayName(std::string_view table);
std::string fourWayName(std::string_view table);

// Strictly greater beats; only the current mode's record is compared.
Record recordBeaten(std::string_view table, int score, bool twoWay);

// What the player typed, made into a holder's name: the first five
// characters, control characters and broken UTF-8 turned into something
// printable on one line, padded with spaces to exactly five.
std::string holderName(std::string_view typed);

// The table with the beaten record replaced and the other mode's kept.
std::string withRecord(std::string_view table, Record record, int score, std::string_view name);

// The table to store when a game saves mine over the stored one, which
// another copy of the game may have changed meanwhile: for each mode the
// higher score wins with its holder; at an equal score the stored holder
// stays. The one exception is provisional, a table this game saved before
// its record's holder had a name: an entry still exactly as it left it is
// this game's own, and mine names it. Nothing higher in mine leaves the
// stored table as it is, byte for byte.
std::string mergeTables(std::string_view stored, std::string_view mine, std::string_view provisional = {});

std::string displayText(std::string_view table);

} // namespace vexel::scores
