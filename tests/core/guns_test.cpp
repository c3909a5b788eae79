// The gun phase of the tick: draws, the charge cycle, firing and the pool.

#include "fixture.h"

namespace vexel::test {
namespace {

using GunTest = GameTest;

TEST_F(GunTest, AChargeShowsFourColoursAndFiresOnTheFifthTick)
{
    Game& g = start();
    g.resume();
    g.run(2); // the charge starts on tick n = 3, not on the first tick
    g.chargeNextTick({3, 14});
    const Color after[] = {Amber, Orange, RedOrange, Red};
    const char* tags[] = {"1", "2", "3", "4"};
    for (int step = 0; step < 4; ++step) {
        ASSERT_TRUE(g.host.tick());
        for (int gun : {3, 14}) {
            EXPECT_EQ(g.gun(gun).BackColor, after[step]) << "gun " << gun << " after tick n+" << step;
            EXPECT_EQ(g.gun(gun).Tag, tags[step]) << "gun " << gun << " after tick n+" << step;
        }
        EXPECT_FALSE(g.bullet(1).Visible);
        EXPECT_EQ(g.state.nextBullet, 1);
    }
    ASSERT_TRUE(g.host.tick()); // n + 4
    for (int gun : {3, 14}) {
        EXPECT_EQ(g.gun(gun).BackColor, colors::Yellow) << gun;
        EXPECT_EQ(g.gun(gun).Tag, "0") << gun;
    }
    // Both have moved 3 pixels on the tick that fired them.
    EXPECT_TRUE(g.bullet(1).Visible);
    EXPECT_EQ(g.bullet(1).Tag, "0");
    EXPECT_EQ(g.bullet(1).Left, 122);
    EXPECT_EQ(g.bullet(1).Top, 28);
    EXPECT_TRUE(g.bullet(2).Visible);
    EXPECT_EQ(g.bullet(2).Tag, "1");
    EXPECT_EQ(g.bullet(2).Left, 28);
    EXPECT_EQ(g.bullet(2).Top, 122);
    EXPECT_EQ(g.state.nextBullet, 3);
}

TEST_F(GunTest, EveryIdleGunDrawsOncePerTick)
{
    Game& g = start();
    g.resume();
    auto drawsOfOneTick = [&g] {
        const std::size_t before = g.random.draws();
        EXPECT_TRUE(g.host.tick());
        return g.random.draws() - before;
    };
    EXPECT_EQ(drawsOfOneTick(), 44U);
    g.chargeNextTick({0, 20, 43});
    EXPECT_EQ(drawsOfOneTick(), 44U); // the draw that starts a charge is the gun's own
    EXPECT_EQ(g.random.pending(), 0U);
    for (int tick = 0; tick < 3; ++tick)
        EXPECT_EQ(drawsOfOneTick(), 41U) << "charging tick " << tick;
    // Firing leaves the gun idle, but it draws again only from the next tick.
    EXPECT_EQ(drawsOfOneTick(), 41U);
    EXPECT_EQ(g.state.nextBullet, 4);
    EXPECT_EQ(drawsOfOneTick(), 44U);
}

TEST_F(GunTest, FireProbabilityFollowsLevelAndMode)
{
    // p = level * 0.0005 + 0.002 four-way, twice that two-way; a draw
    // strictly below p starts the charge.
    const struct {
        int level;
        bool twoWay;
        float draw;
        bool charges;
    } cases[] = {
        {1, false, 0.0024F, true},  {1, false, 0.0026F, false}, {1, true, 0.0049F, true},
        {1, true, 0.0051F, false},  {12, false, 0.0079F, true}, {12, false, 0.0081F, false},
        {12, true, 0.0159F, true},  {12, true, 0.0161F, false}, {5, false, 0.0044F, true},
        {5, false, 0.0046F, false}, {5, true, 0.0089F, true},   {5, true, 0.0091F, false},
    };
    for (const auto& c : cases) {
        Game& g = start();
        if (c.twoWay)
            g.host.clickMenu(MenuItem::TwoWay);
        g.state.level = c.level;
        g.resume();
        // Gun 15 is a left gun, which fires in both modes.
        for (int i = 0; i < 44; ++i)
            g.random.queue(i == 15 ? c.draw : 0.99F);
        g.host.tick();
        EXPECT_EQ(g.gun(15).Tag == "1", c.charges)
            << "level " << c.level << (c.twoWay ? " two-way" : " four-way") << " draw " << c.draw;
    }
}

TEST_F(GunTest, TwoWayPlayDrawsForTopAndBottomGunsButNeverStartsThem)
{
    Game& g = start();
    g.host.clickMenu(MenuItem::TwoWay);
    g.resume();
    g.random.setFallback(0.0F); // every draw would start a charge
    const std::size_t before = g.random.draws();
    g.host.tick();
    EXPECT_EQ(g.random.draws() - before, 44U);
    for (int i = 0; i < 44; ++i) {
        const bool sideGun = i / 11 == 1 || i / 11 == 3;
        EXPECT_EQ(g.gun(i).Tag, sideGun ? "1" : "0") << i;
    }
    g.run(4);
    // Only the 22 side guns fired; the silent ones drew on all five ticks.
    EXPECT_EQ(g.state.nextBullet, 23);
    EXPECT_EQ(g.random.draws() - before, 44U + 4 * 22U);
    for (int i = 0; i < 44; ++i) {
        if (i / 11 == 0 || i / 11 == 2) {
            EXPECT_EQ(g.gun(i).Tag, "0") << i;
            EXPECT_EQ(g.gun(i).BackColor, colors::Yellow) << i;
        }
    }
}

TEST_F(GunTest, AGunChargingWhenTwoWayStartsStillFires)
{
    Game& g = start();
    g.resume();
    g.chargeNextTick({3, 25});
    g.run(2);
    g.host.clickMenu(MenuItem::TwoWay);
    EXPECT_FALSE(g.gun(3).Visible);
    EXPECT_EQ(g.gun(3).Tag, "2");
    EXPECT_EQ(g.gun(3).BackColor, Orange);
    g.run(3);
    for (int i : {1, 2}) {
        EXPECT_TRUE(g.bullet(i).Visible) << i;
    }
    EXPECT_EQ(g.bullet(1).Tag, "0");
    EXPECT_EQ(g.bullet(1).Top, 28);
    EXPECT_EQ(g.bullet(2).Tag, "2");
    EXPECT_EQ(g.bullet(2).Top, 312);
    EXPECT_EQ(g.gun(3).Tag, "0");
    EXPECT_EQ(g.gun(3).BackColor, colors::Yellow);
    EXPECT_FALSE(g.gun(3).Visible);

    // Idle again, it stays silent while two-way play lasts.
    g.random.setFallback(0.0F);
    g.run(10);
    EXPECT_EQ(g.gun(3).Tag, "0");
    EXPECT_EQ(g.gun(25).Tag, "0");
}

TEST_F(GunTest, GunsTakePoolBulletsInIndexOrderAndThePoolWraps)
{
    Game& g = start();
    g.resume();
    // Guns 0..5 use bullets 1..6; then two guns on one tick take 7 and 8.
    g.fire({0, 1, 2, 3, 4, 5});
    ASSERT_EQ(g.state.nextBullet, 7);
    g.fire({40, 12});
    EXPECT_EQ(g.state.nextBullet, 9);
    EXPECT_EQ(g.bullet(7).Tag, "1"); // the lower gun index, 12, takes the lower bullet
    EXPECT_EQ(g.bullet(7).Top, 50 + 24 * 1);
    EXPECT_EQ(g.bullet(8).Tag, "3");
    EXPECT_EQ(g.bullet(8).Left, 312);
    EXPECT_EQ(g.bullet(8).Top, 50 + 24 * 7);

    // All 44 at once: gun i takes bullet 9 + i until the pool wraps after 50.
    g.fire({0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
            22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43});
    EXPECT_EQ(g.state.nextBullet, 9 + 44 - 50);
    for (int i = 0; i < 44; ++i) {
        const int n = (8 + i) % 50 + 1;
        const ShapeObject& b = g.bullet(n);
        const int side = i / 11;
        const float along = static_cast<float>(50 + 24 * (i % 11));
        EXPECT_TRUE(b.Visible) << "bullet " << n;
        EXPECT_EQ(b.Tag, std::to_string(side)) << "bullet " << n;
        EXPECT_EQ(b.Width, 25);
        EXPECT_EQ(b.Height, 25);
        const float left[] = {along, 28, along, 312};
        const float top[] = {28, along, 312, along};
        EXPECT_EQ(b.Left, left[side]) << "bullet " << n << " from gun " << i;
        EXPECT_EQ(b.Top, top[side]) << "bullet " << n << " from gun " << i;
    }
}

TEST_F(GunTest, ATakenOverBulletStartsAfreshOnTheSameTick)
{
    Game& g = start();
    g.resume();
    g.fire({3});
    g.run(20);
    ASSERT_EQ(g.bullet(1).Top, 28 + 3 * 20);
    // Wind the cursor round so that the next shot takes the bullet in flight.
    g.state.nextBullet = 1;
    g.fire({14});
    EXPECT_EQ(g.bullet(1).Tag, "1");
    EXPECT_EQ(g.bullet(1).Top, 122);
    EXPECT_EQ(g.bullet(1).Left, 28);
    EXPECT_TRUE(g.bullet(1).Visible);
    EXPECT_EQ(g.state.nextBullet, 2);
}

} // namespace
} // namespace vexel::test
