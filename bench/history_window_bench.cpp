// The History window over a short and a long history, side by side: time
// from creating the window to its first painted frame, to the moment the
// full list and the chart hold every game, and then the cost of one
// repaint of the chart and of one step of scrolling the list. Runs on the
// offscreen platform unless told otherwise; the two sizes take turns.
//
//   vexel_bench_history_window [RUNS] [SHORT] [LONG]

#include "qt/game_list_model.h"
#include "qt/history_window.h"
#include "qt/progress_chart.h"

#include "memory_history.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using vexel::qt::HistoryWindow;

namespace {

struct Sample {
    double firstPaintMs = 0, loadedMs = 0, chartPaintMs = 0, scrollStepMs = 0;
};

// Notes the first paint of any widget of the window, then waits for the
// rest of that frame, as the start-up probe does.
class FirstFrame final : public QObject {
public:
    explicit FirstFrame(const QElapsedTimer& clock) : clock_(clock) {}
    double at = -1;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [this] { at = static_cast<double>(clock_.nsecsElapsed()) / 1e6; });
        }
        return false;
    }

private:
    const QElapsedTimer& clock_;
    bool seen_ = false;
};

double msOf(const QElapsedTimer& clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

Sample measure(const vexel::testsupport::MemoryHistory& history)
{
    Sample sample;
    QElapsedTimer clock;
    FirstFrame frame(clock);
    QCoreApplication::instance()->installEventFilter(&frame);
    clock.start();
    {
        HistoryWindow window(history, true);
        window.show();
        while (frame.at < 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        sample.firstPaintMs = frame.at;
        QCoreApplication::instance()->removeEventFilter(&frame);
        while (!window.gamesLoaded())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        sample.loadedMs = msOf(clock);

        window.tabs()->setCurrentIndex(HistoryWindow::ProgressTab);
        QCoreApplication::processEvents();
        constexpr int Repaints = 10;
        clock.restart();
        for (int i = 0; i < Repaints; ++i)
            window.chart()->repaint();
        sample.chartPaintMs = msOf(clock) / Repaints;

        window.tabs()->setCurrentIndex(HistoryWindow::ListTab);
        QCoreApplication::processEvents();
        QScrollBar& bar = *window.gameList()->verticalScrollBar();
        constexpr int Steps = 50;
        clock.restart();
        for (int i = 1; i <= Steps; ++i) {
            bar.setValue(bar.maximum() / Steps * i);
            window.gameList()->viewport()->repaint();
        }
        sample.scrollStepMs = msOf(clock) / Steps;
    }
    QCoreApplication::processEvents();
    return sample;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const std::size_t sizes[2] = {argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 100,
                                  argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 100'000};
    const vexel::testsupport::MemoryHistory histories[2] = {vexel::testsupport::generatedHistory(sizes[0]),
                                                            vexel::testsupport::generatedHistory(sizes[1])};
    // A first window of each, unmeasured: fonts, styles and caches warm up.
    for (const auto& history : histories)
        measure(history);
    std::vector<Sample> samples[2];
    for (int run = 0; run < runs; ++run) {
        for (int which = 0; which < 2; ++which)
            samples[which].push_back(measure(histories[which]));
    }

    double firstPaint[2] = {0, 0};
    std::printf("%9s %14s %16s %15s %15s\n", "games", "first paint", "list and chart", "chart repaint",
                "scroll step");
    for (int which = 0; which < 2; ++which) {
        const auto of = [&](double Sample::*field) {
            std::vector<double> values;
            for (const Sample& sample : samples[which])
                values.push_back(sample.*field);
            return median(values);
        };
        firstPaint[which] = of(&Sample::firstPaintMs);
        std::printf("%9zu %11.2f ms %13.2f ms %12.2f ms %12.3f ms\n", sizes[which], firstPaint[which],
                    of(&Sample::loadedMs), of(&Sample::chartPaintMs), of(&Sample::scrollStepMs));
    }
    std::printf("first paint, %zu games against %zu: %.2f times (medians of %d runs)\n", sizes[1], sizes[0],
                firstPaint[1] / firstPaint[0], runs);
    return 0;
}
