// The real window's timer, offscreen: 500 ticks of a running game, each
// stamped when the window has handed it to the game. Reports the mean
// interval, the median and 99th-percentile distance from the 20 ms
// interval, the longest interval and the drift after 500 ticks, against
// the targets the game is held to.
//
//   vexel_bench_timer [TICKS]

#include "figures.h"
#include "memory_store.h"
#include "quiet_seed.h"

#include "app/form1.h"

#include "app/window_definition.h"
#include "qt/board_view.h"
#include "qt/game_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <vector>

namespace {

using vexel::bench::percentile;
using vexel::bench::verdict;

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int ticks = argc > 1 ? std::max(10, std::atoi(argv[1])) : 500;
    QApplication application(argc, argv);

    // A game that outlives the run: a lost game would open a dialog that
    // nobody here answers.
    const std::uint32_t seed = vexel::testsupport::quietSeed(ticks + 50);
    vexel::testsupport::MemoryStore records;
    vexel::GameState state;
    vexel::DefaultRandom random(seed);
    vexel::qt::GameWindow window;
    vexel::Form1 form(state, window, random, records, std::cerr);
    window.attach(form, form.scene());
    window.loadAndShow();

    QElapsedTimer clock;
    std::vector<qint64> stamps;
    stamps.reserve(static_cast<std::size_t>(ticks) + 1);
    QObject::connect(&window, &vexel::qt::GameWindow::tickDelivered, [&] {
        stamps.push_back(clock.nsecsElapsed());
        // The first stamp is the start line; `ticks` intervals follow it.
        if (stamps.size() == static_cast<std::size_t>(ticks) + 1)
            QCoreApplication::quit();
    });
    // Enter, as the player presses it, once the window is up.
    QTimer::singleShot(0, &window, [&] {
        clock.start();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(&window.board(), &enter);
        if (!window.timerEnabled()) {
            std::fprintf(stderr, "Enter did not start the game\n");
            QCoreApplication::exit(1);
        }
    });
    if (QApplication::exec() != 0)
        return 1;
    if (form.loads() != 1) {
        std::fprintf(stderr, "the game was lost during the run\n");
        return 1;
    }

    constexpr double Interval = vexel::window::TimerIntervalMs;
    std::vector<double> intervals;
    std::vector<double> deviations;
    for (std::size_t i = 1; i < stamps.size(); ++i) {
        const double ms = static_cast<double>(stamps[i] - stamps[i - 1]) / 1e6;
        intervals.push_back(ms);
        deviations.push_back(std::abs(ms - Interval));
    }
    const double span = static_cast<double>(stamps.back() - stamps.front()) / 1e6;
    const double mean = span / static_cast<double>(intervals.size());
    const double median = percentile(deviations, 0.5);
    const double p99 = percentile(deviations, 0.99);
    const double longest = *std::max_element(intervals.begin(), intervals.end());
    const double drift = span - Interval * static_cast<double>(intervals.size());

    std::printf("timer: %zu ticks of a running game (seed %u), interval %.0f ms, paints %llu\n",
                intervals.size(), seed, Interval,
                static_cast<unsigned long long>(window.board().paintCount()));
    std::printf("  mean interval        %8.3f ms   target 20 +- 0.05: %s\n", mean,
                verdict(std::abs(mean - Interval) <= 0.05));
    std::printf("  median |dev|         %8.3f ms\n", median);
    std::printf("  p99 |dev|            %8.3f ms   target <= 3: %s\n", p99, verdict(p99 <= 3.0));
    std::printf("  longest interval     %8.3f ms\n", longest);
    std::printf("  drift after %zu     %8.3f ms   target |drift| <= %.0f: %s\n", intervals.size(), drift,
                Interval, verdict(std::abs(drift) <= Interval));
    std::printf("  dropped deliveries   %8lu\n", window.droppedDeliveries());
    return 0;
}
