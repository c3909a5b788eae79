// The player's square, the keyboard, the captions that Enter writes and the
// Options menu.

#include "game_fixture.h"

namespace vexel::test {
namespace {

using PlayerTest = GameTest;

// The player is where the state says and nowhere else.
void expectPlayerAt(Game& g, int col, int row, const std::string& when)
{
    EXPECT_EQ(std::make_pair(g.state.playerCol, g.state.playerRow), std::make_pair(col, row)) << when;
    EXPECT_EQ(g.green(), std::vector<int>{11 * row + col}) << when;
}

TEST_F(PlayerTest, ArrowsMoveOneSquareAndStopAtEveryEdge)
{
    const std::tuple<int, int, int> arrows[] = {
        {keys::Left, -1, 0}, {keys::Up, 0, -1}, {keys::Right, 1, 0}, {keys::Down, 0, 1}};
    for (const auto& [key, dCol, dRow] : arrows) {
        Game& g = start();
        // Five presses reach the edge from the centre; later ones stay there.
        for (int press = 1; press <= 7; ++press) {
            EXPECT_TRUE(g.host.pressKey(key));
            const int steps = std::min(press, 5);
            expectPlayerAt(g, 5 + dCol * steps, 5 + dRow * steps, "key " + std::to_string(key));
        }
    }
}

TEST_F(PlayerTest, ModifiersAreIgnoredAndOtherKeysChangeNothing)
{
    Game& g = start();
    for (int shift : {1, 2, 4, 7})
        g.host.pressKey(keys::Right, shift);
    g.host.pressKey(keys::Enter, 1);
    EXPECT_EQ(g.host.caption(), "Vexel: 0 points");
    const std::size_t captions = g.host.captions().size();
    for (int key : {0, 8, 16, 27, 32, 36, 41, 65, 90, 112, 0x10D, 0xFFFF})
        EXPECT_TRUE(g.host.pressKey(key));
    expectPlayerAt(g, 9, 5, "after four shifted Rights and twelve other keys");
    EXPECT_TRUE(g.host.timerEnabled());
    EXPECT_EQ(g.host.captions().size(), captions);
}

TEST_F(PlayerTest, EnterSwitchesTheTimerAndWritesTheCaption)
{
    // The score and level as a long game would leave them; pausing never
    // shows the level.
    const std::tuple<int, int, bool, const char*, const char*> cases[] = {
        {0, 1, false, "Vexel: 0 points", StartupCaption},
        {0, 1, true, "Vexel: 0 points at Level 1", StartupCaption},
        {1, 1, false, "Vexel: 1 point", "Vexel: Paused (press Enter to play) with 1 point"},
        {26, 3, true, "Vexel: 26 points at Level 3", "Vexel: Paused (press Enter to play) with 26 points"},
    };
    for (const auto& [score, level, showLevel, running, paused] : cases) {
        Game& g = start();
        if (showLevel)
            g.host.clickMenu(MenuItem::ShowLevel);
        g.state.score = score;
        g.state.level = level;
        g.host.pressKey(keys::Enter);
        EXPECT_EQ(std::make_pair(g.host.timerEnabled(), g.host.caption()),
                  std::make_pair(true, std::string(running)));
        g.host.pressKey(keys::Enter);
        EXPECT_EQ(std::make_pair(g.host.timerEnabled(), g.host.caption()),
                  std::make_pair(false, std::string(paused)));
        expectPlayerAt(g, 5, 5, "Enter never moves the player");
    }
}

TEST_F(PlayerTest, TwoWaySwitchOnlyShowsAndHidesGuns)
{
    Game& g = start();
    g.host.clickMenu(MenuItem::ShowLevel);
    g.state.score = 12;
    g.state.level = 2;
    g.fire({16}); // a bullet in flight
    g.chargeNextTick({5, 27});
    g.run(2);
    ASSERT_EQ(g.gun(27).Tag, "2");
    // Everything but the guns' visibility, as one text.
    auto snapshot = [&g] {
        std::string s = g.guns(false) + g.host.caption() + std::to_string(g.state.score) +
                        std::to_string(g.state.level) + std::to_string(g.host.timerEnabled());
        for (int i = 0; i < 44; ++i)
            s += " " + std::to_string(g.gun(i).BackColor);
        for (int i = 0; i <= 120; ++i)
            s += " " + std::to_string(g.grid(i).BackColor);
        for (int i = 1; i <= 50; ++i)
            s += ", " + describe(g.bullet(i));
        return s;
    };
    const std::string before = snapshot();
    for (bool on : {true, false, true, false, true}) {
        EXPECT_TRUE(g.host.clickMenu(MenuItem::TwoWay));
        EXPECT_EQ(std::make_pair(g.host.checked(MenuItem::TwoWay), g.state.twoWay),
                  std::make_pair(on, std::int16_t(on ? -1 : 0)));
        EXPECT_EQ(g.guns(true), on ? TwoWayGuns : std::string(44, '1'));
        EXPECT_EQ(snapshot(), before);
    }
    // The hidden guns that were charging finish and fire; idle again, they
    // stay silent while two-way play lasts.
    g.run(3);
    EXPECT_EQ(describe(g.bullet(2)), "shown 170,28 25x25 tag 0");
    EXPECT_EQ(describe(g.bullet(3)), "shown 170,312 25x25 tag 2");
    g.random.fallback = 0.0F;
    g.run(10);
    EXPECT_EQ(describe(g.gun(5)) + describe(g.gun(27)), "hidden 170,0 24x50 tag 0hidden 170,315 24x50 tag 0");
    EXPECT_EQ(std::make_pair(g.gun(5).BackColor, g.gun(27).BackColor),
              std::make_pair(colors::Yellow, colors::Yellow));
}

TEST_F(PlayerTest, ShowOptionsWaitForTheirNextUse)
{
    Game& g = start();
    g.state.score = 5;
    g.resume();
    g.host.clickMenu(MenuItem::ShowLevel);
    EXPECT_EQ(g.host.caption(), "Vexel: 5 points");
    g.fire({25});
    g.run(88);
    EXPECT_EQ(g.host.caption(), "Vexel: 6 points at Level 1");
    g.host.clickMenu(MenuItem::ShowLevel);
    EXPECT_EQ(g.host.caption(), "Vexel: 6 points at Level 1");
    g.host.pressKey(keys::Enter);
    g.host.pressKey(keys::Enter);
    EXPECT_EQ(g.host.caption(), "Vexel: 6 points");
    // Two clicks on either check item leave it as it was.
    for (MenuItem item : {MenuItem::ShowBadSquares, MenuItem::ShowLevel}) {
        const bool was = g.host.checked(item);
        g.host.clickMenu(item);
        EXPECT_NE(g.host.checked(item), was);
        g.host.clickMenu(item);
        EXPECT_EQ(g.host.checked(item), was);
    }
    EXPECT_EQ(std::make_pair(g.state.showBadSquares, g.state.showLevel),
              std::make_pair(std::optional<bool>(false), std::optional<bool>(false)));
}

} // namespace
} // namespace vexel::test
