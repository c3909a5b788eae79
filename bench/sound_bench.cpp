// What the sounds cost, measured in one process through SDL's disk driver
// (writing to /dev/null at the pace of a sound card) unless SDL_AUDIODRIVER
// names another:
//
// - latency from the start of the tick that fires a gun to the first mix
//   handed to the device that carries its sound;
// - at level 12, the busy tick and the whole process's CPU time with Sound
//   on against Sound off, in alternating stretches of real-time play;
// - the real window paused with Sound on and off: context switches of all
//   the process's threads a second, counted after the first second.
//
//   vexel_bench_sound [SECONDS]     (default 60: seconds of play each way)

#include "board_states.h"
#include "figures.h"

#include "device/sound_device.h"
#include "memory_store.h"
#include "qt/game_window.h"
#include "qt/sound_bridge.h"
#include "qt/view_controls.h"
#include "sound/cues.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using vexel::bench::percentile;

using Clock = std::chrono::steady_clock;
using vexel::device::SoundDevice;

double cpuSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

struct Mode {
    std::vector<double> busyMs; // time inside each tick
    double cpu = 0;             // process CPU seconds
    double wall = 0;
};

// Level 12 in four-way play, run in real time: the game and its sounds as
// the executable has them, with the headless window in Qt's place.
void levelTwelve(int seconds)
{
    std::ostringstream told;
    SoundDevice device(told);
    std::mutex lock;
    std::vector<std::pair<Clock::time_point, Clock::time_point>> handed;
    device.setProbe([&](Clock::time_point asked, Clock::time_point at) {
        const std::lock_guard<std::mutex> hold(lock);
        handed.emplace_back(asked, at);
    });
    vexel::bench::Rig rig;
    bool on = true;
    vexel::sound::Cues cues(device, [&] { return on; });
    rig.form().listen(cues);
    rig.host.show();
    std::vector<Clock::time_point> tickStarts;
    Mode modes[2];
    unsigned long loads = 0;
    // Short stretches, taking turns, so that whatever else the machine
    // does falls on both alike.
    constexpr int Stretch = 5;
    for (int stretch = 0; stretch < 2 * ((seconds + Stretch - 1) / Stretch); ++stretch) {
        on = stretch % 2 == 0;
        cues.setOn(on);
        device.want(&rig, on);
        Mode& mode = modes[on ? 1 : 0];
        const double cpuAtStart = cpuSeconds();
        const Clock::time_point start = Clock::now();
        Clock::time_point next = start;
        for (int tick = 0; tick < Stretch * 50; ++tick) {
            if (rig.form().loads() != loads || !rig.host.timerEnabled()) {
                loads = rig.form().loads();
                rig.state.score = 7501;
                rig.state.level = 12;
                if (!rig.host.timerEnabled())
                    rig.host.pressKey(vexel::keys::Enter);
            }
            next += std::chrono::milliseconds(20);
            std::this_thread::sleep_until(next);
            const Clock::time_point begun = Clock::now();
            if (on)
                tickStarts.push_back(begun);
            rig.host.tick();
            mode.busyMs.push_back(ms(Clock::now() - begun));
        }
        mode.wall += std::chrono::duration<double>(Clock::now() - start).count();
        mode.cpu += cpuSeconds() - cpuAtStart;
    }
    device.want(&rig, false);

    std::vector<double> latencies;
    for (const auto& [asked, at] : handed) {
        const auto tick = std::upper_bound(tickStarts.begin(), tickStarts.end(), asked);
        if (tick != tickStarts.begin())
            latencies.push_back(ms(at - *std::prev(tick)));
    }
    std::printf("sounds handed to the device: %zu (%s)\n", latencies.size(),
                told.str().empty() ? "device open" : told.str().c_str());
    std::printf("latency tick -> first mix with the sound: median %.2f ms, 95th %.2f ms, max %.2f ms "
                "(target median <= 12.7 ms)\n",
                percentile(latencies, 0.5), percentile(latencies, 0.95), percentile(latencies, 1.0));
    // The median tick, and the mean of all: a tick the scheduler cut into
    // weighs on the mean alone.
    const auto mean = [](const std::vector<double>& values) {
        double sum = 0;
        for (double value : values)
            sum += value;
        return values.empty() ? 0 : sum / static_cast<double>(values.size());
    };
    const double medianOff = percentile(modes[0].busyMs, 0.5), medianOn = percentile(modes[1].busyMs, 0.5);
    const double meanOff = mean(modes[0].busyMs), meanOn = mean(modes[1].busyMs);
    std::printf("busy tick at level 12, median: off %.2f us, on %.2f us, on/off x %.3f (target <= 1.05); "
                "mean: off %.2f us, on %.2f us, x %.3f; %zu ticks each\n",
                1000 * medianOff, 1000 * medianOn, medianOn / medianOff, 1000 * meanOff, 1000 * meanOn,
                meanOn / meanOff, modes[0].busyMs.size());
    const double cpuOff = 100 * modes[0].cpu / modes[0].wall;
    const double cpuOn = 100 * modes[1].cpu / modes[1].wall;
    std::printf("process CPU at level 12: off %.2f %%, on %.2f %% of a core, on - off %+.2f %% "
                "(target <= 1 %%), %.0f s each\n",
                cpuOff, cpuOn, cpuOn - cpuOff, modes[0].wall);
}

// The real window with its sound bridge: played, paused, then counted.
void pausedWakeups(bool soundOn, int seconds)
{
    std::ostringstream told;
    SoundDevice device(told);
    vexel::GameState state;
    vexel::DefaultRandom random(11);
    vexel::testsupport::MemoryStore records;
    vexel::qt::GameWindow window;
    window.view().setSound(soundOn);
    vexel::Form1 form(state, window, random, records, told);
    vexel::qt::SoundBridge heard(window, device);
    form.listen(heard);
    window.attach(form, form.scene());
    window.loadAndShow();
    // A game lost on the way ends in a box; it is accepted, and the next
    // game started.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->accept();
    });
    answer.start(50);
    const auto enter = [&] { QTest::keyClick(window.windowHandle(), Qt::Key_Return); };
    bool wasOpen = false;
    for (int step = 0; step < 100; ++step) {
        if (!window.timerEnabled() && QApplication::activeModalWidget() == nullptr)
            enter();
        QTest::qWait(20);
        wasOpen = wasOpen || device.isOpen();
    }
    // Paused as Enter pauses it; a box still open is answered first, and
    // the game it ended starts paused.
    while (QApplication::activeModalWidget() != nullptr)
        QTest::qWait(20);
    if (window.timerEnabled())
        enter();
    answer.stop();
    // Sleeping in the event loop, as the paused game does: QTest::qWait
    // would wake every few milliseconds of its own.
    const auto sleep = [](int ms) {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    };
    sleep(1000);
    const auto [before, threadsBefore] = vexel::bench::contextSwitches();
    QElapsedTimer clock;
    clock.start();
    sleep(seconds * 1000);
    const auto [after, threadsAfter] = vexel::bench::contextSwitches();
    std::printf("paused, Sound %s: %.2f context switches/s over %d s after the first second, "
                "%d threads (device open while playing: %s, after the pause: %s)\n",
                soundOn ? "on " : "off", static_cast<double>(after - before) * 1000.0 / clock.elapsed(),
                seconds, threadsAfter, wasOpen ? "yes" : "no", device.isOpen() ? "yes" : "no");
    if (threadsBefore != threadsAfter)
        std::printf("  threads came or went while paused: %d, then %d\n", threadsBefore, threadsAfter);
}

} // namespace

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const int seconds = argc > 1 ? std::max(5, std::atoi(argv[1])) : 60;
    if (std::getenv("SDL_AUDIODRIVER") == nullptr) {
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::printf("audio driver: %s\n", std::getenv("SDL_AUDIODRIVER"));
    levelTwelve(seconds);
    QApplication application(argc, argv);
    pausedWakeups(false, 10);
    pausedWakeups(true, 10);
    return 0;
}
