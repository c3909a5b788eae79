// The gate between a window and the game: one handler at a time, and
// nothing from the window while a handler or a game dialog is running.

#include "game_fixture.h"

#include "app/delivery_gate.h"

namespace vexel::test {
namespace {

// Notes each notification; a handler may try to deliver another from inside.
struct Recorder final : FormEvents {
    void load() override { seen += "load "; }
    void keyDown(int keyCode, int shift) override
    {
        seen += "key" + std::to_string(keyCode) + "/" + std::to_string(shift) + " ";
        if (inside)
            nested = inside();
    }
    void timer() override { seen += "tick "; }
    void menu(MenuItem item) override { seen += "menu" + std::to_string(static_cast<int>(item)) + " "; }
    void highScoresMenu() override { seen += "scores "; }
    std::string seen;
    std::function<bool()> inside;
    std::optional<bool> nested;
};

TEST(DeliveryGate, DeliversOneAtATimeAndDropsTheRestWhileBusy)
{
    DeliveryGate gate;
    Recorder game;
    EXPECT_FALSE(gate.keyDown(keys::Enter, 0)) << "delivered with no game attached";
    gate.attach(game);

    EXPECT_TRUE(gate.keyDown(keys::Left, 1));
    EXPECT_TRUE(gate.timer());
    EXPECT_TRUE(gate.menu(MenuItem::TwoWay));
    EXPECT_TRUE(gate.highScoresMenu());
    EXPECT_EQ(game.seen, "key37/1 tick menu2 scores ");
    EXPECT_EQ(gate.ticksDelivered(), 1U);
    EXPECT_EQ(gate.dropped(), 1U);

    // A notification arriving while a handler runs is dropped, not queued.
    game.inside = [&gate] { return gate.timer(); };
    EXPECT_TRUE(gate.keyDown(keys::Up, 0));
    EXPECT_EQ(game.nested, std::optional<bool>(false));
    EXPECT_FALSE(gate.busy());

    // So is everything while a game dialog is open, and counted.
    {
        const DeliveryGate::Hold dialog = gate.hold();
        EXPECT_TRUE(gate.busy());
        EXPECT_FALSE(gate.keyDown(keys::Enter, 0));
        EXPECT_FALSE(gate.timer());
        EXPECT_FALSE(gate.menu(MenuItem::ShowLevel));
        EXPECT_FALSE(gate.highScoresMenu());
    }
    EXPECT_EQ(gate.dropped(), 6U);
    EXPECT_EQ(gate.ticksDelivered(), 1U);
    EXPECT_EQ(game.seen, "key37/1 tick menu2 scores key38/0 ");
    EXPECT_TRUE(gate.timer());
}

TEST(DeliveryGate, ALoadRestoresTheDefinitionAndIsNeverDropped)
{
    DeliveryGate gate;
    Recorder game;
    gate.attach(game);
    HeadlessHost window;
    window.setCaption("something else");
    window.setTimerEnabled(false);
    for (MenuItem item : {MenuItem::ShowBadSquares, MenuItem::ShowLevel, MenuItem::TwoWay})
        window.setChecked(item, true);

    // The game reloads its window from inside a handler, with a dialog
    // just closed: the load must happen all the same.
    game.inside = [&] {
        gate.load(window);
        return true;
    };
    EXPECT_TRUE(gate.keyDown(keys::Enter, 0));
    EXPECT_EQ(game.seen, "key13/0 load ");
    EXPECT_EQ(window.caption(), "Vexel: 0 points");
    EXPECT_TRUE(window.timerEnabled());
    for (MenuItem item : {MenuItem::ShowBadSquares, MenuItem::ShowLevel, MenuItem::TwoWay})
        EXPECT_FALSE(window.checked(item));
}

} // namespace
} // namespace vexel::test
