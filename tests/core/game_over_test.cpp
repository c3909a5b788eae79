// Points, levels, the end of a game, the records and the high-score display.

#include "fixture.h"

#include "scores/score_table.h"

#include <cstdio>
#include <optional>

namespace vexel::test {
namespace {

using GameOverTest = GameTest;
using Dialog = HeadlessHost::Dialog;

constexpr const char* Prompt = "You lost, but you have set a new high score! What is your name?";

// The display text for a table, pieced together as the high-score box lists
// it: four-way record first, though the table stores it second.
std::string display(const std::string& t)
{
    return "The high scores are:\n\n4-Way: " + t.substr(4, 4) + " by " + t.substr(13, 5) +
           "\n2-Way: " + t.substr(0, 4) + " by " + t.substr(8, 5);
}

// Ends the running game: a bullet from gun 14 runs along row 3 and is first
// tested against column 0, where the player waits, 8 ticks after it was
// fired. Gun 14 fires in both modes.
void loseGame(Game& g)
{
    g.moveTo(0, 3);
    g.fire({14});
    g.run(8);
    ASSERT_EQ(g.host.reloads(), 1);
}

TEST_F(GameOverTest, ScoringFollowsTheLevelTable)
{
    // Each row: the score before one bullet escapes, and the level after.
    const struct {
        int before, level;
    } rows[] = {
        {0, 1},     {9, 1},     {10, 2},    {24, 2},    {25, 3},    {50, 4},    {99, 4},
        {100, 5},   {250, 6},   {500, 7},   {1000, 8},  {2000, 9},  {3000, 10}, {4999, 10},
        {5000, 11}, {7499, 11}, {7500, 12}, {9998, 12}, {9999, 12},
    };
    bool showLevel = false;
    for (const auto& row : rows) {
        Game& g = start();
        showLevel = !showLevel;
        if (showLevel)
            g.host.clickMenu(MenuItem::ShowLevel);
        g.state.score = row.before;
        g.state.level = expectedLevel(row.before);
        g.fire({25}); // column 3 upwards: leaves the board 88 ticks after firing
        g.run(87);
        ASSERT_EQ(g.state.score, row.before);
        const std::size_t captions = g.host.captions().size();
        g.host.tick();
        const int after = std::min(row.before + 1, 9999);
        EXPECT_EQ(g.state.score, after) << "from " << row.before;
        EXPECT_EQ(g.state.level, row.level) << "from " << row.before;
        std::string caption = "Vexel: " + std::to_string(after) + (after == 1 ? " point" : " points");
        if (showLevel)
            caption += " at Level " + std::to_string(row.level);
        EXPECT_EQ(g.host.caption(), caption);
        // The capped point still writes the caption, once.
        EXPECT_EQ(g.host.captions().size(), captions + 1) << "from " << row.before;
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
        const std::string what =
            std::string(c.table) + (c.twoWay ? " two-way " : " four-way ") + std::to_string(c.score);
        // A second line shows whether the file was written again.
        writeBytes(scoresPath(), scoreLine(c.table) + "\"a second line\"\r\n");
        Game& g = start();
        if (c.twoWay)
            g.host.clickMenu(MenuItem::TwoWay);
        if (c.answer)
            g.host.queueAnswer(*c.answer);
        std::vector<std::string> seenWhileDisplayed;
        g.host.onDialog = [&](const Dialog& d) {
            if (d.title == "Vexel High Scores")
                seenWhileDisplayed = {readBytes(scoresPath()), std::to_string(g.host.reloads()),
                                      g.host.caption()};
        };
        g.state.score = c.score;
        loseGame(g);

        const std::vector<Dialog>& dialogs = g.host.dialogs();
        const bool record = std::string(c.table) != c.after;
        if (!record) {
            ASSERT_EQ(dialogs.size(), 1U) << what;
            EXPECT_EQ(dialogs[0].kind, Dialog::Kind::Message) << what;
            EXPECT_EQ(dialogs[0].text, "You lost!") << what;
            EXPECT_EQ(dialogs[0].title, "Vexel") << what;
            EXPECT_EQ(dialogs[0].icon, MessageIcon::None) << what;
        } else {
            ASSERT_EQ(dialogs.size(), 2U) << what;
            EXPECT_EQ(dialogs[0].kind, Dialog::Kind::Input) << what;
            EXPECT_EQ(dialogs[0].text, Prompt) << what;
            EXPECT_EQ(dialogs[0].title, "Vexel") << what;
            EXPECT_EQ(dialogs[1].kind, Dialog::Kind::Message) << what;
            EXPECT_EQ(dialogs[1].text, display(c.after)) << what;
            EXPECT_EQ(dialogs[1].title, "Vexel High Scores") << what;
            EXPECT_EQ(dialogs[1].icon, MessageIcon::Information) << what;
            // Shown before the file is written and before the window reloads,
            // with the final score still in the title.
            const std::string running =
                "Vexel: " + std::to_string(c.score) + (c.score == 1 ? " point" : " points");
            EXPECT_EQ(seenWhileDisplayed,
                      (std::vector<std::string>{scoreLine(c.table) + "\"a second line\"\r\n", "0", running}))
                << what;
        }
        EXPECT_EQ(readBytes(scoresPath()), scoreLine(c.after)) << what;
        EXPECT_EQ(g.state.highScores, c.after) << what;
        EXPECT_TRUE(g.diag.str().empty()) << what;
    }
}

TEST_F(GameOverTest, HolderNamesAreFiveCharacters)
{
    const struct {
        std::string typed, stored;
    } names[] = {
        {"Zoë Ångström", "Zoë Å"},
        {"a\"b,c", "a\"b,c"},
        {"\"\",,\"", "\"\",,\""},
        {"ab\rc\nd", "ab c "},
        {std::string("\t\0x", 3), "  x  "},
        {"日本語のなまえ", "日本語のな"},
        {"", "     "},
    };
    for (const auto& name : names) {
        Game& g = start();
        g.host.queueAnswer(name.typed);
        g.state.score = 7;
        loseGame(g);
        const std::string table = "00000007ZUVO " + name.stored;
        EXPECT_EQ(g.state.highScores, table) << name.stored;
        EXPECT_EQ(readBytes(scoresPath()), scoreLine(table)) << name.stored;
        ASSERT_EQ(g.host.dialogs().size(), 2U);
        EXPECT_EQ(g.host.dialogs()[1].text,
                  "The high scores are:\n\n4-Way: 0007 by " + name.stored + "\n2-Way: 0000 by ZUVO ");
        // The next game reads the name back as it was stored.
        Game again(scoresPath());
        again.start();
        EXPECT_EQ(again.state.highScores, table) << name.stored;
        std::remove(scoresPath().c_str());
    }
}

TEST_F(GameOverTest, BrokenUtf8InANameIsSurvivable)
{
    Game& g = start();
    g.host.queueAnswer("\xff\xfe\xc3(\xe2\x82");
    g.state.score = 3;
    loseGame(g);
    const std::string table = g.state.highScores;
    EXPECT_EQ(table.substr(0, 13), "00000003ZUVO ");
    EXPECT_EQ(scores::charCount(table), 18U); // the name still fills exactly five characters
    EXPECT_EQ(readBytes(scoresPath()), scoreLine(table));
    // Shown again from the table read back after the reload.
    g.host.clickHighScores();
    EXPECT_EQ(g.host.dialogs().back().text.rfind("The high scores are:\n\n4-Way: 0003 by ", 0), 0U);
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
    EXPECT_EQ(g.state.score, 0);
    EXPECT_EQ(g.state.level, 1);
    EXPECT_EQ(g.state.nextBullet, 1);
    EXPECT_EQ(g.state.playerCol, 5);
    EXPECT_EQ(g.state.playerRow, 5);
    EXPECT_EQ(g.green(), std::vector<int>{60});
    EXPECT_TRUE(g.yellow().empty());
    EXPECT_EQ(g.state.highScores, "00300000Two  ZUVO ");
    EXPECT_EQ(g.state.twoWay, -1);
    EXPECT_EQ(g.state.showBadSquares, true);
    EXPECT_EQ(g.state.showLevel, true);
    for (MenuItem item : {MenuItem::ShowBadSquares, MenuItem::ShowLevel, MenuItem::TwoWay})
        EXPECT_TRUE(g.host.checked(item));
    for (int i = 0; i < 44; ++i) {
        EXPECT_EQ(g.gun(i).Visible, i / 11 == 1 || i / 11 == 3) << i;
        EXPECT_EQ(g.gun(i).Tag, "0") << i;
    }
    for (int i = 1; i <= 50; ++i)
        EXPECT_EQ(g.bullet(i).Tag, "4") << i;
    // The next game is paused until Enter, and then shows the level again.
    EXPECT_EQ(g.run(3), 0);
    g.press(keys::Enter);
    EXPECT_EQ(g.host.caption(), "Vexel: 0 points at Level 1");
}

TEST_F(GameOverTest, HighScoresDisplay)
{
    Game& g = start();
    g.resume();
    g.fire({3});
    g.state.score = 8;
    const std::string caption = g.host.caption();
    bool tickHeld = false;
    g.host.onDialog = [&](const Dialog&) { tickHeld = !g.host.tick() && !g.host.pressKey(keys::Enter); };
    ASSERT_TRUE(g.host.clickHighScores());
    ASSERT_EQ(g.host.dialogs().size(), 1U);
    EXPECT_EQ(g.host.dialogs()[0].text, "The high scores are:\n\n4-Way: 0000 by ZUVO \n2-Way: 0000 by ZUVO ");
    EXPECT_EQ(g.host.dialogs()[0].title, "Vexel High Scores");
    EXPECT_EQ(g.host.dialogs()[0].icon, MessageIcon::Information);
    EXPECT_TRUE(tickHeld);
    EXPECT_EQ(g.state.score, 8);
    EXPECT_EQ(g.state.level, 1);
    EXPECT_TRUE(g.host.timerEnabled());
    EXPECT_EQ(g.host.caption(), caption);
    const float top = g.bullet(1).Top;
    EXPECT_TRUE(g.host.tick());
    EXPECT_EQ(g.bullet(1).Top, top + 3);
}

TEST_F(GameOverTest, TwoWayOptionOnlyShowsAndHidesGuns)
{
    Game& g = start();
    g.host.clickMenu(MenuItem::ShowLevel);
    g.resume();
    g.state.score = 12;
    g.state.level = 2;
    g.chargeNextTick({0, 24, 30});
    g.run(3);
    g.fire({16});
    g.chargeNextTick({5, 27});
    g.run(2);
    ASSERT_EQ(g.gun(27).Tag, "2");
    const std::string caption = g.host.caption();

    struct Snapshot {
        std::vector<std::string> tags;
        std::vector<Color> colours;
        std::vector<float> bullets;
        bool operator==(const Snapshot&) const = default;
    };
    auto snapshot = [&g] {
        Snapshot s;
        for (int i = 0; i < 44; ++i) {
            s.tags.push_back(g.gun(i).Tag);
            s.colours.push_back(g.gun(i).BackColor);
        }
        for (int i = 1; i <= 50; ++i) {
            s.bullets.push_back(g.bullet(i).Left);
            s.bullets.push_back(g.bullet(i).Top);
            s.bullets.push_back(g.bullet(i).Visible ? 1.0F : 0.0F);
        }
        return s;
    };
    const Snapshot before = snapshot();
    for (bool on : {true, false, true, false}) {
        EXPECT_TRUE(g.host.clickMenu(MenuItem::TwoWay));
        EXPECT_EQ(g.host.checked(MenuItem::TwoWay), on);
        EXPECT_EQ(g.state.twoWay, on ? -1 : 0);
        for (int i = 0; i < 44; ++i)
            EXPECT_EQ(g.gun(i).Visible, !on || i / 11 == 1 || i / 11 == 3) << i;
        EXPECT_TRUE(snapshot() == before);
        EXPECT_EQ(g.state.score, 12);
        EXPECT_EQ(g.state.level, 2);
        EXPECT_TRUE(g.host.timerEnabled());
        EXPECT_EQ(g.host.caption(), caption);
        EXPECT_EQ(g.green(), std::vector<int>{60});
    }
}

TEST_F(GameOverTest, ShowLevelWaitsForTheNextCaption)
{
    Game& g = start();
    g.state.score = 5;
    g.resume();
    EXPECT_EQ(g.host.caption(), "Vexel: 5 points");
    g.host.clickMenu(MenuItem::ShowLevel);
    EXPECT_EQ(g.host.caption(), "Vexel: 5 points");
    g.fire({25});
    g.run(88);
    EXPECT_EQ(g.host.caption(), "Vexel: 6 points at Level 1");
    g.host.clickMenu(MenuItem::ShowLevel);
    EXPECT_EQ(g.host.caption(), "Vexel: 6 points at Level 1");
    g.press(keys::Enter);
    g.press(keys::Enter);
    EXPECT_EQ(g.host.caption(), "Vexel: 6 points");

    // Two clicks on either check item leave it as it was.
    for (MenuItem item : {MenuItem::ShowBadSquares, MenuItem::ShowLevel}) {
        const bool was = g.host.checked(item);
        g.host.clickMenu(item);
        EXPECT_NE(g.host.checked(item), was);
        g.host.clickMenu(item);
        EXPECT_EQ(g.host.checked(item), was);
    }
    EXPECT_EQ(g.state.showBadSquares, false);
    EXPECT_EQ(g.state.showLevel, false);
}

} // namespace
} // namespace vexel::test
