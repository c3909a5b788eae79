// The board as start-up builds it: where every shape stands, how the shapes
// cover one another, and the paused fresh game it leaves.

#include "game_fixture.h"

namespace vexel::test {
namespace {

using C = Scene::Collection;
using BoardTest = GameTest;

TEST_F(BoardTest, ShapesStandWhereTheLayoutPutsThem)
{
    // The guards follow the client edges; the board and the guns never move.
    for (const auto& [w, h] : {std::pair{366, 366}, std::pair{400, 380}}) {
        Game& g = start(w, h);
        for (int n = 0; n <= 120; ++n) {
            EXPECT_EQ(describe(g.grid(n)), "shown " + std::to_string(50 + 24 * (n % 11)) + "," +
                                               std::to_string(50 + 24 * (n / 11)) + " 25x25 tag ");
            EXPECT_EQ(g.grid(n).Kind, ShapeKind::Rectangle);
        }
        const std::pair<int, const char*> guns[] = {
            {0, "shown 50,0 24x50 tag 0"},     {10, "shown 290,0 24x50 tag 0"},
            {11, "shown 0,50 50x24 tag 0"},    {21, "shown 0,290 50x24 tag 0"},
            {22, "shown 50,315 24x50 tag 0"},  {33, "shown 315,50 50x24 tag 0"},
            {43, "shown 315,290 50x24 tag 0"},
        };
        for (const auto& [n, expected] : guns)
            EXPECT_EQ(describe(g.gun(n)), expected) << "gun " << n;
        const std::string W = std::to_string(w), H = std::to_string(h);
        const std::string guards[] = {"shown 0,0 " + W + "x51 tag ", "shown 0,0 51x" + H + " tag ",
                                      "shown 0," + std::to_string(h - 52) + " " + W + "x52 tag ",
                                      "shown " + std::to_string(w - 52) + ",0 52x" + H + " tag "};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(describe(g.form.scene().Guard(i)), guards[i]);
            EXPECT_EQ(g.form.scene().Guard(i).BackColor, colors::Black);
        }
    }
}

TEST_F(BoardTest, StackingOrderAndTheBulletTemplateNeverChange)
{
    Game& g = start();
    std::vector<std::pair<C, std::size_t>> expected = {{C::Bullet, 0}};
    const std::tuple<C, std::size_t, std::size_t> runs[] = {
        {C::Grid, 0, 120}, {C::Bullet, 1, 50}, {C::Guard, 0, 3}, {C::Gun, 0, 43}};
    for (const auto& [collection, first, last] : runs) {
        for (std::size_t n = first; n <= last; ++n)
            expected.emplace_back(collection, n);
    }
    auto actual = [&g] {
        std::vector<std::pair<C, std::size_t>> order;
        for (ShapeId id : g.form.scene().stackingOrder())
            order.emplace_back(g.form.scene().memberOf(id).collection, g.form.scene().memberOf(id).n);
        return order;
    };
    EXPECT_EQ(actual(), expected);
    // Firing from every side and flying never restack anything, nor move
    // the template that lies under the guards.
    g.fire({0, 11, 22, 33});
    g.run(100);
    EXPECT_EQ(actual(), expected);
    EXPECT_EQ(describe(g.bullet(0)), "hidden 16,32 25x25 tag ");
}

TEST_F(BoardTest, StartUpLeavesAPausedFreshGame)
{
    Game& g = start();
    EXPECT_EQ(g.host.caption(), StartupCaption);
    EXPECT_FALSE(g.host.timerEnabled());
    for (MenuItem item : {MenuItem::ShowBadSquares, MenuItem::ShowLevel, MenuItem::TwoWay})
        EXPECT_FALSE(g.host.checked(item));
    EXPECT_EQ(std::make_tuple(g.state.score, g.state.level, g.state.nextBullet, g.state.twoWay),
              std::make_tuple(0, 1, std::int16_t{1}, std::int16_t{0}));
    EXPECT_FALSE(g.state.showBadSquares.has_value() || g.state.showLevel.has_value());
    EXPECT_EQ(g.green(), std::vector<int>{60});
    EXPECT_EQ(g.squaresOf(colors::White).size(), 120U);
    EXPECT_EQ(g.guns(true), std::string(44, '1'));
    EXPECT_EQ(g.guns(false), std::string(44, '0'));
    for (int i = 0; i < 44; ++i)
        EXPECT_EQ(std::make_pair(g.gun(i).Kind, g.gun(i).BackColor),
                  std::make_pair(ShapeKind::Oval, colors::Yellow));
    for (int i = 1; i <= 50; ++i) {
        EXPECT_EQ(describe(g.bullet(i)), Unfired) << i;
        EXPECT_EQ(g.bullet(i).Kind, ShapeKind::Circle);
    }
    // Paused means no tick reaches the game, however long the window waits.
    EXPECT_EQ(g.run(10), 0);
    EXPECT_EQ(g.random.draws, 0U);
}

} // namespace
} // namespace vexel::test
