// The bullet phase: flight, the squares each bullet is tested against (seen
// as yellow marks with "Show Bad Squares?" on), escapes and hits.

#include "fixture.h"

#include <map>

namespace vexel::test {
namespace {

using BulletTest = GameTest;

// A bullet from each side, followed tick by tick with "Show Bad Squares?" on,
// so that the squares it is tested against show as yellow marks. Positions
// are Top for bullets along a column and Left for bullets along a row.
TEST_F(BulletTest, EachTickTestsTheSquaresUnderTheBullet)
{
    struct Mark {
        float position;
        std::vector<int> marked;
    };
    const struct {
        int gun;
        bool alongColumn;
        bool forwards; // down or right
        std::vector<Mark> marks;
    } flights[] = {
        {3,
         true,
         true,
         {{28, {}},
          {49, {}},
          {52, {3, 14}},
          {100, {25, 36}},
          {289, {102, 113}},
          {292, {113}},
          {313, {113}},
          {316, {}}}},
        {25, true, false, {{312, {113}}, {291, {113}}, {51, {3, 14}}, {48, {}}}},
        {14, false, true, {{49, {}}, {52, {33, 34}}, {313, {43}}, {316, {}}}},
        {36, false, false, {{312, {43}}, {51, {33, 34}}, {48, {}}}},
    };
    for (const auto& f : flights) {
        Game& g = start();
        g.host.clickMenu(MenuItem::ShowBadSquares);
        g.moveTo(0, 10); // off every one of these lines
        g.fire({f.gun});
        std::map<float, std::vector<int>> seen;
        for (int tick = 0; tick <= 100; ++tick) {
            const float at = f.alongColumn ? g.bullet(1).Top : g.bullet(1).Left;
            const std::vector<int> marked = g.yellow();
            seen[at] = marked;
            // Marks only while the corner is on the board, and only in the
            // bullet's own line; one point once it has passed the far edge.
            EXPECT_EQ(!marked.empty(), at > 50 && at < 314) << "gun " << f.gun << " at " << at;
            for (int square : marked)
                EXPECT_EQ(f.alongColumn ? square % 11 : square / 11, 3) << "gun " << f.gun << " at " << at;
            const bool gone = f.forwards ? at > 314 : at < 50;
            EXPECT_EQ(g.state.score, gone ? 1 : 0) << "gun " << f.gun << " at " << at;
            EXPECT_EQ(g.bullet(1).Visible, !gone) << "gun " << f.gun << " at " << at;
            g.host.tick();
        }
        for (const Mark& m : f.marks) {
            ASSERT_TRUE(seen.count(m.position)) << "gun " << f.gun << " never at " << m.position;
            EXPECT_EQ(seen[m.position], m.marked) << "gun " << f.gun << " at " << m.position;
        }
        EXPECT_EQ(g.host.caption(), "Vexel: 1 point");
    }
}

TEST_F(BulletTest, EscapedBulletsDriftOnWithoutScoringAgain)
{
    Game& g = start();
    g.moveTo(0, 0);
    g.fire({25, 38}); // column 3 upwards, row 5 leftwards
    g.run(88);
    EXPECT_EQ(g.state.score, 2);
    EXPECT_FALSE(g.bullet(1).Visible);
    EXPECT_FALSE(g.bullet(2).Visible);
    // Move the player onto the escaped bullets' lines: they are never tested.
    g.moveTo(3, 5);
    for (int tick = 1; tick <= 30; ++tick) {
        ASSERT_TRUE(g.host.tick());
        EXPECT_EQ(g.bullet(1).Top, 48 - 3 * tick);
        EXPECT_EQ(g.bullet(2).Left, 48 - 3 * tick);
    }
    EXPECT_EQ(g.state.score, 2);
    EXPECT_EQ(g.host.reloads(), 0);
    EXPECT_EQ(g.bullet(1).Tag, "2");
    EXPECT_EQ(g.bullet(2).Tag, "3");
}

TEST_F(BulletTest, MarksLastOneTickAndNeverCoverThePlayer)
{
    Game& g = start();
    g.host.clickMenu(MenuItem::ShowBadSquares);
    g.moveTo(0, 10);
    g.fire({3});
    g.run(24); // Top 100: squares 25 and 36
    EXPECT_EQ(g.yellow(), (std::vector<int>{25, 36}));

    // Pausing keeps the marks; switching the option off keeps them too, until
    // the next tick clears them and marks nothing new.
    g.press(keys::Enter);
    g.host.clickMenu(MenuItem::ShowBadSquares);
    EXPECT_EQ(g.yellow(), (std::vector<int>{25, 36}));
    g.resume();
    g.host.tick();
    EXPECT_TRUE(g.yellow().empty());
    g.run(5);
    EXPECT_TRUE(g.yellow().empty());

    // Stepping onto a marked square makes it the player's, and only the
    // player's square is green.
    g.host.clickMenu(MenuItem::ShowBadSquares);
    g.host.tick();
    ASSERT_FALSE(g.yellow().empty());
    const int marked = g.yellow().back();
    g.press(keys::Enter);
    g.moveTo(marked % 11, marked / 11);
    EXPECT_EQ(g.green(), std::vector<int>{marked});
    EXPECT_EQ(g.yellow().size(), 1U);
}

TEST_F(BulletTest, HitOnThePlayerEndsTheGame)
{
    const struct {
        int gun, col, row;
        int ticks; // from the firing tick until the first test of the player's square
    } cases[] = {
        {3, 3, 0, 8},    // down: Top 52 tests rows 0 and 1
        {3, 3, 1, 8},    // the neighbour test alone
        {14, 10, 3, 80}, // right: Left 268 tests columns 9 and 10
        {25, 3, 10, 0},  // up: tested on the firing tick
        {36, 0, 3, 80},  // left: Left 72 tests column 0 first
    };
    for (const auto& c : cases) {
        Game& g = start();
        g.moveTo(c.col, c.row);
        g.fire({c.gun});
        if (c.ticks > 0) {
            g.run(c.ticks - 1);
            EXPECT_EQ(g.host.reloads(), 0) << "gun " << c.gun;
            g.host.tick();
        }
        EXPECT_EQ(g.host.reloads(), 1) << "gun " << c.gun;
        ASSERT_EQ(g.host.dialogs().size(), 1U);
        EXPECT_EQ(g.host.dialogs()[0].text, "You lost!");
        // The fresh game is paused, so no further tick reaches it.
        EXPECT_FALSE(g.host.timerEnabled());
        EXPECT_EQ(g.green(), std::vector<int>{60});
    }
}

TEST_F(BulletTest, TheTickStopsAtTheLossAndTheFreshBoardStaysUntouched)
{
    Game& g = start();
    g.host.clickMenu(MenuItem::ShowBadSquares);
    g.moveTo(5, 4);
    g.resume();
    // Bullet 2 will leave the board on the very tick on which bullet 1 hits;
    // processed after the loss, it would score in the fresh game.
    g.state.nextBullet = 2;
    g.fire({0}); // column 0 downwards, escapes 96 ticks after firing
    g.run(96 - 48 - 5);
    // Bullet 1 flies up column 5 and is first tested against the player's
    // square (row 4) with row 5 as its neighbour: the fresh game's square.
    g.state.nextBullet = 1;
    g.fire({27});
    ASSERT_EQ(g.host.reloads(), 0);
    ASSERT_EQ(g.bullet(2).Top, 28 + 3 * 48);
    std::vector<std::string> heldWhileOpen;
    g.host.onDialog = [&](const HeadlessHost::Dialog&) {
        heldWhileOpen.push_back(std::to_string(g.host.tick()) + std::to_string(g.host.pressKey(keys::Left)) +
                                std::to_string(g.host.clickMenu(MenuItem::TwoWay)) +
                                std::to_string(g.host.clickHighScores()));
    };
    g.run(47);
    ASSERT_EQ(g.host.reloads(), 0);
    EXPECT_EQ(g.bullet(1).Top, 171); // tested against 60 and 71, both white
    g.host.tick();

    EXPECT_EQ(g.host.reloads(), 1);
    ASSERT_EQ(g.host.dialogs().size(), 1U);
    EXPECT_EQ(g.host.dialogs()[0].text, "You lost!");
    EXPECT_EQ(heldWhileOpen, std::vector<std::string>{"0000"});
    EXPECT_EQ(g.state.score, 0);
    EXPECT_EQ(g.host.caption(), StartupCaption);
    EXPECT_EQ(g.green(), std::vector<int>{60});
    EXPECT_TRUE(g.yellow().empty());
    EXPECT_EQ(g.squaresOf(colors::White).size(), 120U);
    for (int i = 1; i <= 50; ++i) {
        EXPECT_EQ(g.bullet(i).Tag, "4") << i;
        EXPECT_FALSE(g.bullet(i).Visible) << i;
    }
    EXPECT_FALSE(g.host.checked(MenuItem::TwoWay));
    EXPECT_TRUE(g.host.checked(MenuItem::ShowBadSquares));
}

} // namespace
} // namespace vexel::test
