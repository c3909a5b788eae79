// The tick: the gun phase (draws, the charge cycle, firing and the pool) and
// the bullet phase (flight, the squares each bullet is tested against, seen
// as yellow marks with "Show Bad Squares?" on, escapes and hits).

#include "game_fixture.h"

#include <map>

namespace vexel::test {
namespace {

using TickTest = GameTest;

TEST_F(TickTest, GunsDrawChargeAndFireTickByTick)
{
    Game& g = start();
    g.resume();
    auto drawsOfOneTick = [&g] {
        const std::size_t before = g.random.draws;
        EXPECT_TRUE(g.host.tick());
        return g.random.draws - before;
    };
    EXPECT_EQ(drawsOfOneTick(), 44U);
    g.chargeNextTick({3, 14, 43});
    // The charge starts on tick n, shows its colours after n..n+3 and fires
    // on n+4; the draw that starts it is the gun's own, and a charging gun
    // draws again only after it has fired.
    for (int step = 1; step <= 5; ++step) {
        EXPECT_EQ(drawsOfOneTick(), step == 1 ? 44U : 41U) << step;
        for (int gun : {3, 14, 43}) {
            EXPECT_EQ(g.gun(gun).Tag, std::to_string(step % 5))
                << "gun " << gun << " after tick n+" << step - 1;
            EXPECT_EQ(g.gun(gun).BackColor, ChargeColours[step % 5])
                << "gun " << gun << " after n+" << step - 1;
        }
        EXPECT_EQ(g.bullet(1).Visible, step == 5);
    }
    // Every bullet has moved 3 pixels on the tick that fired it.
    EXPECT_EQ(describe(g.bullet(1)), "shown 122,28 25x25 tag 0");
    EXPECT_EQ(describe(g.bullet(2)), "shown 28,122 25x25 tag 1");
    EXPECT_EQ(g.state.nextBullet, 4);
    EXPECT_EQ(drawsOfOneTick(), 44U);

    // In two-way play every draw below would start a charge, yet the top and
    // bottom guns only draw and stay idle.
    g.host.clickMenu(MenuItem::TwoWay);
    g.random.fallback = 0.0F;
    EXPECT_EQ(drawsOfOneTick(), 44U);
    EXPECT_EQ(g.guns(false), "00000000000111111111110000000000011111111111");
    for (int tick = 0; tick < 4; ++tick)
        EXPECT_EQ(drawsOfOneTick(), 22U) << tick;
    EXPECT_EQ(g.state.nextBullet, 4 + 22);
}

TEST_F(TickTest, FireProbabilityFollowsLevelAndMode)
{
    // p = level * 0.0005 + 0.002 four-way, both terms doubled two-way, and a
    // draw strictly below p starts the charge; gun 15 fires in both modes.
    const std::tuple<int, bool, float> cases[] = {
        {1, false, 0.0025F}, {1, true, 0.005F}, {12, false, 0.008F}, {12, true, 0.016F}};
    for (const auto& [level, twoWay, p] : cases) {
        for (const float draw : {p - 0.0001F, p + 0.0001F}) {
            Game& g = start();
            if (twoWay)
                g.host.clickMenu(MenuItem::TwoWay);
            g.state.level = level;
            g.resume();
            for (int i = 0; i < 44; ++i)
                g.random.queue.push_back(i == 15 ? draw : 0.99F);
            g.host.tick();
            EXPECT_EQ(g.gun(15).Tag == "1", draw < p) << "level " << level << " two-way " << twoWay;
        }
    }
}

TEST_F(TickTest, GunsTakePoolBulletsInIndexOrderAndThePoolWraps)
{
    Game& g = start();
    g.fire({0, 1, 2, 3, 4, 5}); // bullets 1..6
    ASSERT_EQ(g.state.nextBullet, 7);
    g.fire({40, 12});
    EXPECT_EQ(g.state.nextBullet, 9);
    EXPECT_EQ(g.bullet(7).Tag + g.bullet(8).Tag, "13"); // the lower gun index, 12, first

    // All 44 at once: gun i takes bullet 9 + i, round past 50 to 1 and on,
    // taking over bullets still in flight; each has moved 3 pixels.
    g.fire({0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
            22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43});
    EXPECT_EQ(g.state.nextBullet, 9 + 44 - 50);
    for (int i = 0; i < 44; ++i) {
        const std::string along = std::to_string(50 + 24 * (i % 11));
        const std::string where[] = {along + ",28", "28," + along, along + ",312", "312," + along};
        EXPECT_EQ(describe(g.bullet((8 + i) % 50 + 1)),
                  "shown " + where[i / 11] + " 25x25 tag " + std::to_string(i / 11))
            << "gun " << i;
    }
}

// A bullet from each side followed tick by tick. Positions are Top for
// bullets along a column and Left for bullets along a row.
TEST_F(TickTest, EachTickTestsTheSquaresUnderTheBullet)
{
    const struct {
        int gun;
        bool alongColumn, forwards; // forwards: down or right
        std::map<float, std::vector<int>> marks;
    } flights[] = {
        {3,
         true,
         true,
         {{28, {}}, {49, {}}, {52, {3, 14}}, {100, {25, 36}}, {289, {102, 113}}, {292, {113}}, {313, {113}}}},
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
        for (const auto& [position, squares] : f.marks)
            EXPECT_EQ(seen.at(position), squares) << "gun " << f.gun << " at " << position;
        EXPECT_EQ(g.host.caption(), "Vexel: 1 point");
    }
}

TEST_F(TickTest, EscapedBulletsDriftOnAndNeverHit)
{
    Game& g = start();
    g.moveTo(0, 0);
    g.fire({25, 38}); // column 3 upwards, row 5 leftwards
    g.run(88);
    ASSERT_EQ(g.state.score, 2);
    g.moveTo(3, 5); // onto both lines
    g.run(30);
    EXPECT_EQ(describe(g.bullet(1)), "hidden 122,-42 25x25 tag 2");
    EXPECT_EQ(describe(g.bullet(2)), "hidden -42,170 25x25 tag 3");
    EXPECT_EQ(std::make_pair(g.state.score, g.host.reloads()), std::make_pair(2, 0));
}

TEST_F(TickTest, MarksLastOneTickAndNeverCoverThePlayer)
{
    Game& g = start();
    g.host.clickMenu(MenuItem::ShowBadSquares);
    g.moveTo(0, 10);
    g.fire({3});
    g.run(24); // Top 100: squares 25 and 36
    EXPECT_EQ(g.yellow(), (std::vector<int>{25, 36}));

    // Pausing keeps the marks; switching the option off keeps them too, until
    // the next tick clears them and marks nothing new.
    g.host.pressKey(keys::Enter);
    g.host.clickMenu(MenuItem::ShowBadSquares);
    EXPECT_EQ(g.yellow(), (std::vector<int>{25, 36}));
    g.resume();
    g.run(5);
    EXPECT_TRUE(g.yellow().empty());

    // Stepping onto a marked square makes it the player's alone.
    g.host.clickMenu(MenuItem::ShowBadSquares);
    g.host.tick();
    ASSERT_EQ(g.yellow().size(), 2U);
    const int marked = g.yellow().back();
    g.host.pressKey(keys::Enter);
    g.moveTo(marked % 11, marked / 11);
    EXPECT_EQ(g.green(), std::vector<int>{marked});
    EXPECT_EQ(g.yellow().size(), 1U);
}

TEST_F(TickTest, HitOnThePlayerEndsTheGame)
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
        {11, 0, 0, 8},   // right along row 0, whose row coordinate is 0
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
        EXPECT_EQ(transcript(g.host), "message Vexel: You lost!|");
        EXPECT_EQ(g.green(), std::vector<int>{60});
    }
}

TEST_F(TickTest, TheTickStopsAtTheLossAndTheFreshBoardStaysUntouched)
{
    Game& g = start();
    g.host.clickMenu(MenuItem::ShowBadSquares);
    g.moveTo(5, 4);
    // Bullet 2 will leave the board on the very tick on which bullet 1 hits;
    // processed after the loss, it would score in the fresh game.
    g.state.nextBullet = 2;
    g.fire({0}); // column 0 downwards, escapes 96 ticks after firing
    g.run(96 - 48 - 5);
    // Bullet 1 flies up column 5 and is first tested against the player's
    // square (row 4) with row 5 as its neighbour: the fresh game's square.
    g.state.nextBullet = 1;
    g.fire({27});
    std::string heldWhileOpen;
    g.host.onDialog = [&](const HeadlessHost::Dialog&) {
        for (bool delivered : {g.host.tick(), g.host.pressKey(keys::Left), g.host.clickMenu(MenuItem::TwoWay),
                               g.host.clickHighScores()})
            heldWhileOpen += delivered ? "1" : "0";
    };
    g.run(47);
    ASSERT_EQ(g.host.reloads(), 0);
    ASSERT_EQ(g.bullet(1).Top, 171); // tested against 60 and 71, both white
    ASSERT_EQ(g.bullet(2).Top, 313);
    g.host.tick();

    EXPECT_EQ(g.host.reloads(), 1);
    EXPECT_EQ(transcript(g.host), "message Vexel: You lost!|");
    EXPECT_EQ(heldWhileOpen, "0000");
    EXPECT_EQ(g.state.score, 0);
    EXPECT_EQ(g.host.caption(), StartupCaption);
    EXPECT_EQ(g.green(), std::vector<int>{60});
    EXPECT_EQ(g.squaresOf(colors::White).size(), 120U);
    for (int i = 1; i <= 50; ++i)
        EXPECT_EQ(describe(g.bullet(i)), Unfired);
    EXPECT_FALSE(g.host.checked(MenuItem::TwoWay));
}

} // namespace
} // namespace vexel::test
