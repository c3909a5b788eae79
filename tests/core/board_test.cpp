// The board as start-up builds it: where every shape stands, how the shapes
// cover one another, and the state a fresh game starts from.

#include "fixture.h"

namespace vexel::test {
namespace {

using C = Scene::Collection;

struct Box {
    float left, top, width, height;
};

void expectBox(const ShapeObject& shape, Box box, const std::string& what)
{
    EXPECT_EQ(shape.Left, box.left) << what;
    EXPECT_EQ(shape.Top, box.top) << what;
    EXPECT_EQ(shape.Width, box.width) << what;
    EXPECT_EQ(shape.Height, box.height) << what;
}

using BoardTest = GameTest;

TEST_F(BoardTest, SquaresStandOnTheBoardGrid)
{
    Game& g = start();
    // Square 0 at (50, 50), 10 at (290, 50), 11 at (50, 74), 60 at (170, 170),
    // 120 at (290, 290): every square by the same rule.
    for (int r = 0; r <= 10; ++r) {
        for (int c = 0; c <= 10; ++c) {
            const ShapeObject& square = g.grid(11 * r + c);
            expectBox(square, {50.0F + 24 * c, 50.0F + 24 * r, 25, 25},
                      "square " + std::to_string(11 * r + c));
            EXPECT_EQ(square.Kind, ShapeKind::Rectangle);
            EXPECT_TRUE(square.Visible);
        }
    }
    EXPECT_EQ(g.scene().count(C::Grid), 121U);
}

TEST_F(BoardTest, GunsStandBesideTheirRowOrColumn)
{
    Game& g = start();
    const struct {
        int n;
        Box box;
    } samples[] = {
        {0, {50, 0, 24, 50}},    {10, {290, 0, 24, 50}},  {11, {0, 50, 50, 24}},    {21, {0, 290, 50, 24}},
        {22, {50, 315, 24, 50}}, {33, {315, 50, 50, 24}}, {43, {315, 290, 50, 24}},
    };
    for (const auto& s : samples)
        expectBox(g.gun(s.n), s.box, "gun " + std::to_string(s.n));

    for (int i = 0; i < 44; ++i) {
        const ShapeObject& gun = g.gun(i);
        EXPECT_EQ(gun.Kind, ShapeKind::Oval);
        EXPECT_TRUE(gun.Visible) << i;
        EXPECT_EQ(gun.BackColor, colors::Yellow) << i;
        EXPECT_EQ(gun.Tag, "0") << i;
    }
    EXPECT_EQ(g.scene().count(C::Gun), 44U);
}

TEST_F(BoardTest, GuardsFollowTheClientArea)
{
    const struct {
        int width, height;
    } sizes[] = {{366, 366}, {400, 380}, {300, 340}};
    for (const auto& size : sizes) {
        Game& g = start(size.width, size.height);
        const auto w = static_cast<float>(size.width);
        const auto h = static_cast<float>(size.height);
        const std::string what = std::to_string(size.width) + "x" + std::to_string(size.height);
        expectBox(g.scene().Guard(0), {0, 0, w, 51}, "top guard " + what);
        expectBox(g.scene().Guard(1), {0, 0, 51, h}, "left guard " + what);
        expectBox(g.scene().Guard(2), {0, h - 52, w, 52}, "bottom guard " + what);
        expectBox(g.scene().Guard(3), {w - 52, 0, 52, h}, "right guard " + what);
        for (int i = 0; i < 4; ++i) {
            EXPECT_TRUE(g.scene().Guard(i).Visible);
            EXPECT_EQ(g.scene().Guard(i).BackColor, colors::Black);
        }
        // The board and the guns never move with the client area.
        expectBox(g.grid(120), {290, 290, 25, 25}, "square 120 " + what);
        expectBox(g.gun(43), {315, 290, 50, 24}, "gun 43 " + what);
    }
}

TEST_F(BoardTest, StackingOrderIsFixedBottomToTop)
{
    Game& g = start();
    std::vector<std::pair<C, std::size_t>> expected;
    expected.emplace_back(C::Bullet, 0);
    for (std::size_t n = 0; n <= 120; ++n)
        expected.emplace_back(C::Grid, n);
    for (std::size_t n = 1; n <= 50; ++n)
        expected.emplace_back(C::Bullet, n);
    for (std::size_t n = 0; n <= 3; ++n)
        expected.emplace_back(C::Guard, n);
    for (std::size_t n = 0; n <= 43; ++n)
        expected.emplace_back(C::Gun, n);

    auto actual = [&g] {
        std::vector<std::pair<C, std::size_t>> order;
        for (ShapeId id : g.scene().stackingOrder()) {
            const Scene::Member m = g.scene().memberOf(id);
            order.emplace_back(m.collection, m.n);
        }
        return order;
    };
    EXPECT_EQ(actual(), expected);

    // Playing, firing and losing never restack anything.
    g.fire({0, 11, 22, 33});
    g.run(20);
    EXPECT_EQ(actual(), expected);
}

TEST_F(BoardTest, BulletPoolStartsHiddenAndTheTemplateNeverMoves)
{
    Game& g = start();
    EXPECT_EQ(g.scene().count(C::Bullet), 51U);
    for (int i = 1; i <= 50; ++i) {
        const ShapeObject& b = g.bullet(i);
        EXPECT_FALSE(b.Visible) << i;
        EXPECT_EQ(b.Tag, "4") << i;
        EXPECT_EQ(b.Kind, ShapeKind::Circle);
        expectBox(b, {16, 32, 25, 25}, "pool bullet " + std::to_string(i));
    }
    auto expectTemplateUntouched = [&g](const std::string& when) {
        const ShapeObject& t = g.bullet(0);
        expectBox(t, {16, 32, 25, 25}, "Bullet(0) " + when);
        EXPECT_FALSE(t.Visible) << when;
        EXPECT_EQ(t.BackColor, rgb(255, 128, 128)) << when;
    };
    expectTemplateUntouched("after start-up");
    g.fire({0, 11, 22, 33});
    g.run(100);
    expectTemplateUntouched("after firing");
}

TEST_F(BoardTest, TwoWayBoardShowsOnlyTheSideGuns)
{
    // Build a first board in four-way play, switch to two-way and let a lost
    // game rebuild the board for that mode.
    Game& g = start();
    g.host.clickMenu(MenuItem::TwoWay);
    g.moveTo(0, 3);
    g.fire({14}); // row 3 from the left: first tested against column 0
    g.run(10);
    ASSERT_EQ(g.host.reloads(), 1);

    int shown = 0;
    for (int i = 0; i < 44; ++i) {
        const int side = i / 11;
        const bool sideGun = side == 1 || side == 3;
        EXPECT_EQ(g.gun(i).Visible, sideGun) << i;
        EXPECT_EQ(g.gun(i).Tag, "0") << i;
        EXPECT_EQ(g.gun(i).BackColor, colors::Yellow) << i;
        shown += g.gun(i).Visible ? 1 : 0;
    }
    EXPECT_EQ(shown, 22);
    EXPECT_TRUE(g.host.checked(MenuItem::TwoWay));
}

TEST_F(BoardTest, StartUpLeavesAPausedFreshGame)
{
    Game& g = start();
    EXPECT_EQ(g.host.caption(), StartupCaption);
    EXPECT_FALSE(g.host.timerEnabled());
    for (MenuItem item : {MenuItem::ShowBadSquares, MenuItem::ShowLevel, MenuItem::TwoWay})
        EXPECT_FALSE(g.host.checked(item));
    EXPECT_EQ(g.state.score, 0);
    EXPECT_EQ(g.state.level, 1);
    EXPECT_EQ(g.state.nextBullet, 1);
    EXPECT_EQ(g.state.playerCol, 5);
    EXPECT_EQ(g.state.playerRow, 5);
    EXPECT_EQ(g.state.twoWay, 0);
    EXPECT_FALSE(g.state.showBadSquares.has_value());
    EXPECT_FALSE(g.state.showLevel.has_value());
    EXPECT_EQ(g.green(), std::vector<int>{60});
    EXPECT_EQ(g.squaresOf(colors::White).size(), 120U);
    EXPECT_TRUE(g.host.dialogs().empty());

    // Paused means no tick reaches the game, however long the window waits.
    EXPECT_EQ(g.run(10), 0);
    EXPECT_EQ(g.random.draws(), 0U);
}

} // namespace
} // namespace vexel::test
