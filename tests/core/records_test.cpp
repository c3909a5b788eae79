// What start-up reads from the records and when the game writes them:
// the first run, a table read without being rewritten, odd and damaged
// contents, and saves that fail. The records are kept in memory here; the
// real file has tests of its own among the robustness tests.

#include "game_fixture.h"

#include "scores/score_table.h"
#include "text/utf8.h"

#include <cerrno>
#include <optional>

namespace vexel::test {
namespace {

using RecordsTest = GameTest;

TEST_F(RecordsTest, FirstRunStoresTheDefaultLine)
{
    Game& g = start();
    EXPECT_EQ(stored(), std::string("\"00000000ZUVO ZUVO \"\r\n")); // 22 bytes
    EXPECT_EQ(records.saves, 1);
    EXPECT_EQ(g.state.highScores, DefaultTable);
    EXPECT_TRUE(g.diag.str().empty());
}

TEST_F(RecordsTest, APresentTableIsReadWithoutBeingRewritten)
{
    const std::string bytes = scoreLine("00120042AAAAABBBBB") + "\"ignored\"\r\nmore\r\n";
    records.bytes = bytes;
    Game& g = start();
    EXPECT_EQ(g.state.highScores, "00120042AAAAABBBBB");
    g.host.clickHighScores();
    EXPECT_EQ(g.host.dialogs().back().text,
              "The high scores are:\n\n4-Way: 0042 by BBBBB\n2-Way: 0012 by AAAAA");
    EXPECT_EQ(stored(), bytes);
    EXPECT_EQ(records.saves, 0);
    // Only the first line survives the next game over.
    g.host.queueAnswer("Eve");
    g.state.score = 50;
    loseGame(g);
    EXPECT_EQ(stored(), scoreLine("00120050AAAAAEve  "));
}

TEST_F(RecordsTest, OddAndDamagedContentLoadsWithoutHarm)
{
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        // The bytes, and the table read from them; none: the default table.
        {"", {}},
        {"x", {}},
        {"\"\r\n", {}},
        {"\r\n\"00120042AAAAABBBBB\"\r\n", {}},
        {"00120042AAAAABBBBB\r\n", "0120042AAAAABBBB"}, // no quotes
        {"\"0012\"\r\n", "0012"},
        {"\"00120042AAAAABBBBBCCCCC\"\r\n", "00120042AAAAABBBBBCCCCC"},
        {"\"00120042AAAAABBBBB\"", "00120042AAAAABBBBB"},
        {"\"00120042AAAAABBBBB\"\rrest", "00120042AAAAABBBBB"},
        {"\xEF\xBB\xBF\"00120042AAAAABBBBB\"\r\n", "00120042AAAAABBBBB"}, // an editor's byte-order mark
        {"\"\xff\xfe\x80"
         "00000ZUVO ZUVO \xc3\"\r\n",
         "\xff\xfe\x80"
         "00000ZUVO ZUVO \xc3"},
        {std::string("\"0000\0\0\0\0ZUVO ZUVO \"\r\n", 22), std::string("0000\0\0\0\0ZUVO ZUVO ", 18)},
    };
    for (const auto& [bytes, table] : cases) {
        records.bytes = bytes;
        Game& g = start();
        EXPECT_EQ(g.state.highScores, table.value_or(DefaultTable)) << bytes;
        EXPECT_EQ(stored(), bytes);
        // Whatever the table, the display shows four fields of fixed width,
        // with spaces for the characters past the end of a short line.
        g.host.clickHighScores();
        const std::string text = g.host.dialogs().back().text;
        EXPECT_EQ(text.rfind("The high scores are:\n\n4-Way: ", 0), 0U) << bytes;
        EXPECT_EQ(text.size(), 63U) << bytes;
    }
    // A record mends the short table field by field.
    records.bytes = "\"0012\"\r\n";
    Game& g = start();
    g.host.queueAnswer("Ann");
    g.state.score = 1;
    loseGame(g);
    EXPECT_EQ(stored(), scoreLine("00120001     Ann  "));
}

TEST(MergeTables, EachModeKeepsItsHigherScoreAndAnEqualScoreKeepsTheStoredHolder)
{
    const struct {
        const char *stored, *mine, *provisional, *merged;
    } cases[] = {
        {"00120042AAAAABBBBB", "00120050AAAAACCCCC", "", "00120050AAAAACCCCC"},
        {"00120042AAAAABBBBB", "00200010DDDDDCCCCC", "", "00200042DDDDDBBBBB"},
        {"00200010DDDDDCCCCC", "00120042AAAAABBBBB", "", "00200042DDDDDBBBBB"},
        {"00120042AAAAABBBBB", "00120042XXXXXYYYYY", "", "00120042AAAAABBBBB"},
        // Nothing higher leaves an odd stored table as it is.
        {"0012", "0012", "", "0012"},
        {"0012", "00000001     Ann  ", "", "00120001     Ann  "},
        // A record saved before its holder was named takes the name...
        {"00000007ZUVO      ", "00000007ZUVO Ann  ", "00000007ZUVO      ", "00000007ZUVO Ann  "},
        // ...but not over another game's record of the same score.
        {"00000007ZUVO Bob  ", "00000007ZUVO Ann  ", "00000007ZUVO      ", "00000007ZUVO Bob  "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scores::mergeTables(c.stored, c.mine, c.provisional), c.merged)
            << c.stored << " + " << c.mine;
}

// The characters the records, the replays and the history count: each
// byte that begins no well-formed character is one of its own.
TEST(Utf8, EveryByteIsPartOfExactlyOneCharacter)
{
    const struct {
        const char* text;
        long first; // code point of the first character, -1 when broken
        std::size_t firstLength, count;
    } cases[] = {
        {"A", 'A', 1, 1},
        {"\u00e9t\u00e9", 0xE9, 2, 3},
        {"\u65e5\u672c", 0x65E5, 3, 2},
        {"\U0001F600!", 0x1F600, 4, 2},
        // Overlong forms, a surrogate, past U+10FFFF, cut, a stray continuation.
        {"\xc0\xaf", -1, 1, 2},
        {"\xe0\x80\xaf", -1, 1, 3},
        {"\xed\xa0\x80", -1, 1, 3},
        {"\xf4\x90\x80\x80", -1, 1, 4},
        {"\xe2\x82", -1, 1, 2},
        {"\x80"
         "a",
         -1, 1, 2},
    };
    for (const auto& c : cases) {
        const std::string_view text = c.text;
        std::size_t length = 0;
        EXPECT_EQ(utf8::decode(text, 0, length), c.first) << text;
        EXPECT_EQ(length, c.firstLength) << text;
        EXPECT_EQ(utf8::charLength(text, 0), c.firstLength) << text;
        EXPECT_EQ(utf8::charCount(text), c.count) << text;
    }
}

TEST_F(RecordsTest, AFailedSaveIsToldAndItsRecordKept)
{
    records.bytes = scoreLine("00120042AAAAABBBBB");
    records.failSaves = scores::WriteFailure{scores::WriteStep::Write, ENOSPC};
    Game& g = start();
    g.host.queueAnswer("Dee");
    g.state.score = 9000;
    loseGame(g);
    EXPECT_EQ(g.diag.str(),
              "vexel: cannot save the high scores to memory:vexel.ini: write: No space left on device\n");
    // Once, after the game's own dialogs.
    EXPECT_EQ(
        transcript(g.host),
        "input Vexel: You lost, but you have set a new high score! What is your name?|"
        "message Vexel High Scores (i): The high scores are:\n\n4-Way: 9000 by Dee  \n2-Way: 0012 by AAAAA|"
        "message Vexel (!): The high scores could not be saved.\n\nmemory:vexel.ini: write: No space "
        "left on device.\nThey are kept while the game runs, and the next game over tries again.|");
    EXPECT_EQ(stored(), scoreLine("00120042AAAAABBBBB"));
    EXPECT_EQ(g.state.highScores, "00129000AAAAADee  ");
    g.resume();
    EXPECT_EQ(g.run(3), 3);
}

} // namespace
} // namespace vexel::test
