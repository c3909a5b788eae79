// The History window over a short and a long history, side by side, read
// from the real SQLite store as the game reads it (opened afresh, as at
// each opening of the window) and from one kept in memory: time from
// opening to the window's first painted frame, to the moment the full list
// and the chart hold every game, and then the cost of one repaint of the
// chart and of one step of scrolling the list. Runs on the offscreen
// platform unless told otherwise; the sizes take turns.
//
//   vexel_bench_history_window [RUNS] [SHORT] [LONG]

#include "history/history_store.h"
#include "history/schema.h"
#include "history/sqlite_handle.h"
#include "qt/history/game_list_model.h"
#include "qt/history/history_window.h"
#include "qt/history/progress_chart.h"

#include "history_support.h"
#include "memory_history.h"
#include "replay/replay_format.h"
#include "scratch_folder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
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

// Opens the history for the window and hands it over, as the game does
// each time the window opens.
using Opener = std::function<const vexel::history::HistorySource&()>;

Sample measure(const Opener& open)
{
    Sample sample;
    QElapsedTimer clock;
    FirstFrame frame(clock);
    QCoreApplication::instance()->installEventFilter(&frame);
    clock.start();
    {
        HistoryWindow window(open(), {});
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

// The generated games written into a real history file in one
// transaction, each with the same short replay text.
std::string storeOf(const vexel::testsupport::MemoryHistory& games, const std::string& path)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    {
        vexel::history::HistoryStore store(path, {});
        if (store.create())
            std::abort();
    }
    sqlite3* raw = nullptr;
    sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    const vexel::history::Database db(raw);
    const std::string text = vexel::replay::writeReplay(vexel::testsupport::sampleGame(10, false));
    vexel::history::execute(raw, "BEGIN");
    for (const vexel::history::GameRecord& game : games.games()) {
        if (vexel::history::insertGame(raw, game, text))
            std::abort();
    }
    vexel::history::execute(raw, "COMMIT");
    return path;
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
    const vexel::testsupport::ScratchFolder folder;
    const vexel::testsupport::MemoryHistory memory[2] = {vexel::testsupport::generatedHistory(sizes[0]),
                                                         vexel::testsupport::generatedHistory(sizes[1])};
    std::unique_ptr<vexel::history::HistoryStore> stores[2];
    for (int which = 0; which < 2; ++which)
        stores[which] = std::make_unique<vexel::history::HistoryStore>(
            storeOf(memory[which], folder.file(std::to_string(sizes[which]) + "/history.sqlite")),
            std::string());

    struct Source {
        const char* label;
        Opener open[2];
        std::vector<Sample> samples[2];
    };
    Source sources[] = {
        {"SQLite",
         {[&stores]() -> const vexel::history::HistorySource& {
              if (stores[0]->open())
                  std::abort();
              return *stores[0];
          },
          [&stores]() -> const vexel::history::HistorySource& {
              if (stores[1]->open())
                  std::abort();
              return *stores[1];
          }},
         {}},
        {"memory",
         {[&memory]() -> const vexel::history::HistorySource& { return memory[0]; },
          [&memory]() -> const vexel::history::HistorySource& { return memory[1]; }},
         {}},
    };
    // A first window of each, unmeasured: fonts, styles and caches warm up.
    for (const Source& source : sources) {
        for (const Opener& open : source.open)
            measure(open);
    }
    for (int run = 0; run < runs; ++run) {
        for (Source& source : sources) {
            for (int which = 0; which < 2; ++which)
                source.samples[which].push_back(measure(source.open[which]));
        }
    }

    std::printf("%-7s %9s %14s %16s %15s %15s\n", "source", "games", "first paint", "list and chart",
                "chart repaint", "scroll step");
    for (const Source& source : sources) {
        double firstPaint[2] = {0, 0};
        for (int which = 0; which < 2; ++which) {
            const auto of = [&](double Sample::*field) {
                std::vector<double> values;
                for (const Sample& sample : source.samples[which])
                    values.push_back(sample.*field);
                return median(values);
            };
            firstPaint[which] = of(&Sample::firstPaintMs);
            std::printf("%-7s %9zu %11.2f ms %13.2f ms %12.2f ms %12.3f ms\n", source.label, sizes[which],
                        firstPaint[which], of(&Sample::loadedMs), of(&Sample::chartPaintMs),
                        of(&Sample::scrollStepMs));
        }
        std::printf("%-7s first paint, %zu games against %zu: %.2f times (medians of %d runs)\n",
                    source.label, sizes[1], sizes[0], firstPaint[1] / firstPaint[0], runs);
    }
    return 0;
}
