// The real window, offscreen, during a running game: the pixels its board
// actually paints per tick (what the paint events cover, after Qt has
// merged the requests) must stay far below the whole client area, since a
// tick moves a few bullets and recolours a few guns and squares.

#include "app/form1.h"
#include "app/window_definition.h"
#include "headless/headless_host.h"
#include "qt/board_view.h"
#include "qt/game_window.h"

#include "memory_store.h"
#include "quiet_seed.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>

#include <algorithm>
#include <iostream>
#include <sstream>
#include <vector>

namespace vexel::testsupport {
namespace {

TEST(RepaintArea, ARunningGamePaintsAFractionOfTheBoardPerTick)
{
    constexpr int Ticks = 250;
    const std::uint32_t seed = quietSeed(Ticks + 20);

    GameState state;
    DefaultRandom random(seed);
    MemoryStore records;
    std::ostringstream diagnostics;
    qt::GameWindow window;
    Form1 form(state, window, random, records, diagnostics);
    window.attach(form, form.scene());
    window.loadAndShow();
    // Bad squares double the squares that change each tick: the harder case.
    window.menuAction(MenuItem::ShowBadSquares)->trigger();
    ASSERT_TRUE(isOn(state.showBadSquares));

    qt::BoardView& board = window.board();
    std::vector<std::uint64_t> perTick;
    std::uint64_t lastPainted = 0;
    QEventLoop loop;
    // Paints for tick n arrive before tick n + 1 is delivered, so the
    // painted area between two deliveries belongs to the earlier tick.
    QObject::connect(&window, &qt::GameWindow::tickDelivered, &loop, [&] {
        if (window.ticksDelivered() > 1)
            perTick.push_back(board.paintedArea() - lastPainted);
        lastPainted = board.paintedArea();
        if (window.ticksDelivered() > Ticks)
            loop.quit();
    });
    QTimer::singleShot(0, &window, [&] {
        // Everything painted so far is the first frame and the menu toggle.
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(&board, &enter);
    });
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    loop.exec();

    ASSERT_EQ(perTick.size(), std::size_t{Ticks}) << "the timer did not deliver the ticks";
    ASSERT_EQ(form.loads(), 1UL) << "the game was lost, so the run says nothing";
    constexpr std::uint64_t Client = std::uint64_t{window::ClientWidth} * window::ClientHeight;
    std::uint64_t total = 0;
    for (const std::uint64_t area : perTick)
        total += area;
    std::vector<std::uint64_t> sorted = perTick;
    std::sort(sorted.begin(), sorted.end());
    const std::uint64_t mean = total / perTick.size();
    const std::uint64_t median = sorted[sorted.size() / 2];
    const std::uint64_t largest = sorted.back();
    // Something was painted at all: the ticks really moved things on screen.
    EXPECT_GT(total, 0U);
    EXPECT_LT(mean, Client / 10) << "mean " << mean << " of " << Client << " pixels a tick";
    EXPECT_LT(median, Client / 20) << "median " << median << " of " << Client << " pixels a tick";
    EXPECT_LT(largest, Client) << "some tick repainted the whole board";
    std::cout << "[ repaint ] " << perTick.size() << " ticks (seed " << seed << "): painted per tick mean "
              << mean << ", median " << median << ", largest " << largest << " of " << Client << " pixels ("
              << 100.0 * static_cast<double>(mean) / static_cast<double>(Client) << " % on average), "
              << board.paintCount() << " paint events\n";
}

} // namespace
} // namespace vexel::testsupport

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
