// The player's square, the keyboard and the captions that Enter writes.

#include "fixture.h"

namespace vexel::test {
namespace {

using PlayerTest = GameTest;

// The player is where the state says and nowhere else.
void expectPlayerAt(Game& g, int col, int row, const std::string& when)
{
    EXPECT_EQ(g.state.playerCol, col) << when;
    EXPECT_EQ(g.state.playerRow, row) << when;
    EXPECT_EQ(g.green(), std::vector<int>{11 * row + col}) << when;
}

TEST_F(PlayerTest, ArrowsMoveOneSquareAndStopAtEveryEdge)
{
    const struct {
        int key;
        const char* name;
        int dCol, dRow;
    } arrows[] = {
        {keys::Left, "Left", -1, 0},
        {keys::Up, "Up", 0, -1},
        {keys::Right, "Right", 1, 0},
        {keys::Down, "Down", 0, 1},
    };
    for (const auto& arrow : arrows) {
        Game& g = start();
        for (int press = 1; press <= 7; ++press) {
            EXPECT_TRUE(g.host.pressKey(arrow.key));
            // Five presses reach the edge from the centre; later ones stay there.
            const int steps = std::min(press, 5);
            expectPlayerAt(g, 5 + arrow.dCol * steps, 5 + arrow.dRow * steps,
                           std::string(arrow.name) + " press " + std::to_string(press));
        }
    }
}

TEST_F(PlayerTest, MovingRepaintsOnlyTheOldAndTheNewSquare)
{
    Game& g = start();
    g.press(keys::Right);
    EXPECT_EQ(g.grid(60).BackColor, colors::White);
    EXPECT_EQ(g.grid(61).BackColor, colors::Player);
    EXPECT_EQ(g.squaresOf(colors::White).size(), 120U);

    // Every corner is reachable and a move never wraps to the other side.
    g.moveTo(10, 0);
    g.press(keys::Right);
    g.press(keys::Up);
    expectPlayerAt(g, 10, 0, "top right corner");
    g.moveTo(0, 10);
    g.press(keys::Left);
    g.press(keys::Down);
    expectPlayerAt(g, 0, 10, "bottom left corner");
}

TEST_F(PlayerTest, ModifiersAreIgnored)
{
    Game& g = start();
    for (int shift : {1, 2, 4, 7}) {
        const int col = g.state.playerCol;
        g.host.pressKey(keys::Right, shift);
        expectPlayerAt(g, col + 1, 5, "Right with shift state " + std::to_string(shift));
    }
    g.host.pressKey(keys::Enter, 1);
    EXPECT_TRUE(g.host.timerEnabled());
    EXPECT_EQ(g.host.caption(), "Vexel: 0 points");
}

TEST_F(PlayerTest, OtherKeysChangeNothing)
{
    Game& g = start();
    g.press(keys::Up);
    g.resume();
    const std::string caption = g.host.caption();
    const std::size_t captions = g.host.captions().size();
    for (int key : {0, 8, 16, 27, 32, 36, 41, 65, 90, 112, 0x10D, 0xFFFF}) {
        EXPECT_TRUE(g.host.pressKey(key));
        expectPlayerAt(g, 5, 4, "key " + std::to_string(key));
        EXPECT_TRUE(g.host.timerEnabled()) << key;
    }
    EXPECT_EQ(g.host.caption(), caption);
    EXPECT_EQ(g.host.captions().size(), captions);
    EXPECT_EQ(g.state.score, 0);
    EXPECT_EQ(g.state.level, 1);
}

TEST_F(PlayerTest, MovingWhilePausedCarriesIntoPlay)
{
    Game& g = start();
    g.moveTo(2, 8);
    expectPlayerAt(g, 2, 8, "paused before the first Enter");
    g.resume();
    g.run(3);
    g.press(keys::Enter);
    g.press(keys::Left);
    expectPlayerAt(g, 1, 8, "moved while paused again");
    g.resume();
    EXPECT_EQ(g.run(3), 3);
    expectPlayerAt(g, 1, 8, "running after the pause");
}

TEST_F(PlayerTest, EnterSwitchesTheTimerAndWritesTheCaption)
{
    Game& g = start();
    g.press(keys::Enter);
    EXPECT_TRUE(g.host.timerEnabled());
    EXPECT_EQ(g.host.caption(), "Vexel: 0 points");
    g.press(keys::Enter);
    EXPECT_FALSE(g.host.timerEnabled());
    EXPECT_EQ(g.host.caption(), "Vexel: Paused (press Enter to play) with 0 points");
    expectPlayerAt(g, 5, 5, "Enter never moves the player");

    g.host.clickMenu(MenuItem::ShowLevel);
    g.press(keys::Enter);
    EXPECT_EQ(g.host.caption(), "Vexel: 0 points at Level 1");
    g.press(keys::Enter);
    EXPECT_EQ(g.host.caption(), "Vexel: Paused (press Enter to play) with 0 points");
}

TEST_F(PlayerTest, CaptionFormsForEveryScore)
{
    // The score and level are set as a long game would leave them; the
    // captions are what Enter writes for them.
    const struct {
        int score, level;
        bool showLevel;
        const char* running;
        const char* paused;
    } cases[] = {
        {1, 1, false, "Vexel: 1 point", "Vexel: Paused (press Enter to play) with 1 point"},
        {2, 1, false, "Vexel: 2 points", "Vexel: Paused (press Enter to play) with 2 points"},
        {11, 2, true, "Vexel: 11 points at Level 2", "Vexel: Paused (press Enter to play) with 11 points"},
        {26, 3, true, "Vexel: 26 points at Level 3", "Vexel: Paused (press Enter to play) with 26 points"},
        {1, 1, true, "Vexel: 1 point at Level 1", "Vexel: Paused (press Enter to play) with 1 point"},
        {9999, 12, true, "Vexel: 9999 points at Level 12",
         "Vexel: Paused (press Enter to play) with 9999 points"},
    };
    for (const auto& c : cases) {
        Game& g = start();
        if (c.showLevel)
            g.host.clickMenu(MenuItem::ShowLevel);
        g.state.score = c.score;
        g.state.level = c.level;
        g.press(keys::Enter);
        EXPECT_EQ(g.host.caption(), c.running);
        g.press(keys::Enter);
        EXPECT_EQ(g.host.caption(), c.paused);
    }
}

} // namespace
} // namespace vexel::test
