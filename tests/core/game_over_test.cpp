// Points and levels, the end of a game, the records and the high-score
// display.

#include "game_fixture.h"

#include "scores/score_table.h"
#include "text/utf8.h"

#include <optional>

namespace vexel::test {
namespace {

using GameOverTest = GameTest;

// The display text for a table, pieced together as the high-score box lists
// it: four-way record first, though the table stores it second.
std::string display(const std::string& t)
{
    return "The high scores are:\n\n4-Way: " + t.substr(4, 4) + " by " + t.substr(13) +
           "\n2-Way: " + t.substr(0, 4) + " by " + t.substr(8, 5);
}

TEST_F(GameOverTest, ScoringFollowsTheLevelTable)
{
    // The score before one bullet escapes, and the level after.
    const std::pair<int, int> rows[] = {
        {0, 1},     {9, 1},     {10, 2},    {24, 2},    {25, 3},    {50, 4},    {99, 4},
        {100, 5},   {250, 6},   {500, 7},   {1000, 8},  {2000, 9},  {3000, 10}, {4999, 10},
        {5000, 11}, {7499, 11}, {7500, 12}, {9998, 12}, {9999, 12},
    };
    bool showLevel = false;
    for (const auto& [before, level] : rows) {
        Game& g = start();
        showLevel = !showLevel;
        if (showLevel)
            g.host.clickMenu(MenuItem::ShowLevel);
        g.state.score = before;
        g.state.level = expectedLevel(before);
        g.fire({25}); // column 3 upwards: leaves the board 88 ticks after firing
        g.run(87);
        ASSERT_EQ(g.state.score, before);
        const std::size_t captions = g.host.captions().size();
        g.host.tick();
        const int after = std::min(before + 1, 9999);
        EXPECT_EQ(std::make_pair(g.state.score, g.state.level), std::make_pair(after, level)) << before;
        const std::string suffix = showLevel ? " at Level " + std::to_string(level) : "";
        EXPECT_EQ(g.host.caption(),
                  "Vexel: " + std::to_string(after) + (after == 1 ? " point" : " points") + suffix);
        // The capped point still writes the caption, once.
        EXPECT_EQ(g.host.captions().size(), captions + 1) << before;
    }
}

TEST_F(GameOverTest, RecordRulesInBothModes)
{
    const struct {
        const char* table;
        bool twoWay;
        int score;
        std::optional<std::string> answer; // none: the prompt is cancelled
        const char* after;                 // the table once the game is over
    } cases[] = {
        {DefaultTable, false, 0, {}, DefaultTable},
        {DefaultTable, true, 0, {}, DefaultTable},
        {DefaultTable, false, 1, "Al", "00000001ZUVO Al   "},
        {DefaultTable, true, 1, "Al", "00010000Al   ZUVO "},
        {"00120042AAAAABBBBB", false, 42, {}, "00120042AAAAABBBBB"},
        {"00120042AAAAABBBBB", false, 43, "Abcdefg", "00120043AAAAAAbcde"},
        {"00120042AAAAABBBBB", true, 12, {}, "00120042AAAAABBBBB"},
        {"00120042AAAAABBBBB", true, 13, {}, "00130042     BBBBB"},
        {"00120042AAAAABBBBB", true, 9999, "x", "99990042x    BBBBB"},
        {"00500010AAAAABBBBB", false, 20, "New", "00500020AAAAANew  "},
        {"00500010AAAAABBBBB", true, 20, {}, "00500010AAAAABBBBB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.table) + " two-way " + std::to_string(c.twoWay) + " score " +
                     std::to_string(c.score));
        // A second line shows whether the file was written again.
        const std::string old = scoreLine(c.table) + "\"a second line\"\r\n";
        records.bytes = old;
        Game& g = start();
        if (c.twoWay)
            g.host.clickMenu(MenuItem::TwoWay);
        if (c.answer)
            g.host.queueAnswer(*c.answer);
        std::string seenWhileDisplayed;
        g.host.onDialog = [&](const HeadlessHost::Dialog& d) {
            if (d.title == "Vexel High Scores")
                seenWhileDisplayed = stored() + std::to_string(g.host.reloads()) + g.host.caption();
        };
        g.state.score = c.score;
        loseGame(g);

        if (std::string(c.table) == c.after) {
            EXPECT_EQ(transcript(g.host), "message Vexel: You lost!|");
        } else {
            EXPECT_EQ(transcript(g.host),
                      "input Vexel: You lost, but you have set a new high score! What is your name?|"
                      "message Vexel High Scores (i): " +
                          display(c.after) + "|");
            // Shown once the record is on disk, before the window reloads,
            // with the final score still in the title.
            EXPECT_EQ(seenWhileDisplayed, scoreLine(c.after) + "0Vexel: " + std::to_string(c.score) +
                                              (c.score == 1 ? " point" : " points"));
        }
        EXPECT_EQ(stored(), scoreLine(c.after));
        EXPECT_EQ(g.state.highScores, c.after);
        EXPECT_TRUE(g.diag.str().empty());
    }
}

TEST_F(GameOverTest, HolderNamesAreFiveCharacters)
{
    const std::pair<std::string, std::string> names[] = {
        {"Zoë Ångström", "Zoë Å"},
        {"a\"b,c", "a\"b,c"},
        {"ab\rc\nd", "ab c "},
        {std::string("\t\0x", 3), "  x  "},
        {"日本語のなまえ", "日本語のな"},
        // Bidirectional controls would reorder the display after the name.
        {"a\u202Eb\u2066c\u2069", "a b c"},
        // So would the three marks, unseen.
        {"\u061C\u200E\u200Fab", "   ab"},
        {"", "     "},
        // Each byte that begins no well-formed character stands for one.
        {"\xff\xfe\xc3(\xe2\x82", "\uFFFD\uFFFD\uFFFD(\uFFFD"},
    };
    for (const auto& [typed, name] : names) {
        Game& g = start();
        g.host.queueAnswer(typed);
        g.state.score = 7;
        loseGame(g);
        // What the game holds now was read back from the file by the reload.
        const std::string table = g.state.highScores;
        EXPECT_EQ(table.substr(0, 13), "00000007ZUVO ");
        EXPECT_EQ(utf8::charCount(table), 18U) << typed;
        EXPECT_EQ(table.substr(13), name);
        EXPECT_EQ(stored(), scoreLine(table));
        EXPECT_EQ(g.host.dialogs().back().text, display(table));
        records.bytes.reset();
    }
}

TEST_F(GameOverTest, AFreshGameFollowsWithTheOptionsKept)
{
    Game& g = start();
    for (MenuItem item : {MenuItem::ShowBadSquares, MenuItem::ShowLevel, MenuItem::TwoWay})
        g.host.clickMenu(item);
    g.state.score = 30;
    g.state.level = 3;
    g.host.queueAnswer("Two");
    loseGame(g);

    EXPECT_EQ(g.host.caption(), StartupCaption);
    EXPECT_FALSE(g.host.timerEnabled());
    EXPECT_EQ(std::make_tuple(g.state.score, g.state.level, g.state.nextBullet, g.state.playerCol,
                              g.state.playerRow),
              std::make_tuple(0, 1, std::int16_t{1}, 5, 5));
    EXPECT_EQ(g.state.highScores, "00300000Two  ZUVO ");
    EXPECT_EQ(std::make_tuple(g.state.twoWay, g.state.showBadSquares, g.state.showLevel),
              std::make_tuple(std::int16_t{-1}, std::optional<bool>(true), std::optional<bool>(true)));
    for (MenuItem item : {MenuItem::ShowBadSquares, MenuItem::ShowLevel, MenuItem::TwoWay})
        EXPECT_TRUE(g.host.checked(item));
    // A fresh board, built for two-way play: the hidden guns are idle too.
    EXPECT_EQ(g.squaresOf(colors::White).size(), 120U);
    EXPECT_EQ(g.green(), std::vector<int>{60});
    EXPECT_EQ(g.guns(true), TwoWayGuns);
    EXPECT_EQ(g.guns(false), std::string(44, '0'));
    EXPECT_EQ(g.gun(0).BackColor, colors::Yellow);
    for (int i = 1; i <= 50; ++i)
        EXPECT_EQ(describe(g.bullet(i)), Unfired);
    // The next game is paused until Enter, and then shows the level again.
    EXPECT_EQ(g.run(3), 0);
    g.host.pressKey(keys::Enter);
    EXPECT_EQ(g.host.caption(), "Vexel: 0 points at Level 1");
}

TEST_F(GameOverTest, HighScoresMenuLeavesTheRunningGameAlone)
{
    Game& g = start();
    g.fire({3});
    g.state.score = 8;
    const std::string caption = g.host.caption();
    bool heldWhileOpen = false;
    g.host.onDialog = [&](const HeadlessHost::Dialog&) {
        heldWhileOpen = !g.host.tick() && !g.host.pressKey(keys::Enter);
    };
    ASSERT_TRUE(g.host.clickHighScores());
    EXPECT_EQ(
        transcript(g.host),
        "message Vexel High Scores (i): The high scores are:\n\n4-Way: 0000 by ZUVO \n2-Way: 0000 by ZUVO |");
    EXPECT_TRUE(heldWhileOpen);
    EXPECT_EQ(std::make_tuple(g.state.score, g.state.level, g.host.timerEnabled(), g.host.caption()),
              std::make_tuple(8, 1, true, caption));
    const float top = g.bullet(1).Top;
    EXPECT_TRUE(g.host.tick());
    EXPECT_EQ(g.bullet(1).Top, top + 3);
}

} // namespace
} // namespace vexel::test
