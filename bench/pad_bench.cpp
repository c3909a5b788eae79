// A pad in the real window, offscreen, with SDL's virtual controller in
// place of the hardware. Reports, against the targets the game is held to:
// - the time from a button press to the key reaching the game, both from
//   the moment the button went down (SDL reads it at its next poll) and
//   from the moment SDL handed the reading over;
// - the wake-ups per second of all the process's threads while the game
//   waits paused: without a pad, with a pad while another window is
//   active, and (for comparison) with a pad and the window active.
//
//   vexel_bench_pad [PRESSES] [SECONDS]

#include "figures.h"
#include "memory_store.h"

#include "app/form1.h"
#include "device/pad_device.h"
#include "device/pad_virtual.h"
#include "qt/game_window.h"
#include "qt/pad_input.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <random>
#include <vector>

using vexel::device::PadButton;

namespace {

using vexel::bench::contextSwitches;
using vexel::bench::percentile;
using vexel::bench::verdict;

std::int64_t steadyUs()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

// The game's handlers, with the time each key reached them.
class StampedEvents final : public vexel::FormEvents {
public:
    explicit StampedEvents(vexel::Form1& form) : form_(form) {}
    void load() override { form_.load(); }
    void keyDown(int keyCode, int shift) override
    {
        lastKeyUs = steadyUs();
        ++keys;
        form_.keyDown(keyCode, shift);
    }
    void timer() override { form_.timer(); }
    void menu(vexel::MenuItem item) override { form_.menu(item); }
    void highScoresMenu() override { form_.highScoresMenu(); }
    std::int64_t lastKeyUs = 0;
    unsigned long keys = 0;

private:
    vexel::Form1& form_;
};

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool runUntil(const std::function<bool()>& done, int ms)
{
    const std::int64_t until = steadyUs() + std::int64_t{ms} * 1000;
    while (!done()) {
        if (steadyUs() > until)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    return true;
}

double wakeUpsPerSecond(int seconds)
{
    // Let what the last step started settle first.
    runFor(200);
    const long long before = contextSwitches().first;
    runFor(seconds * 1000);
    // The one timer that ends the wait wakes the thread once.
    return static_cast<double>(contextSwitches().first - before - 1) / seconds;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int presses = argc > 1 ? std::max(10, std::atoi(argv[1])) : 300;
    const int seconds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    QApplication application(argc, argv);

    vexel::testsupport::MemoryStore records;
    vexel::GameState state;
    vexel::DefaultRandom random;
    vexel::qt::GameWindow window;
    vexel::Form1 form(state, window, random, records, std::cerr);
    StampedEvents events(form);
    window.attach(events, form.scene());
    window.loadAndShow();
    window.activateWindow();
    if (!runUntil([&] { return QApplication::activeWindow() == &window; }, 2000)) {
        std::cerr << "vexel_bench_pad: the window never became active\n";
        return 1;
    }
    vexel::device::PadDevice pads;
    std::string error;
    if (!pads.open(&error)) {
        std::cerr << "vexel_bench_pad: no game controllers: " << error << '\n';
        return 1;
    }
    vexel::qt::PadInput input(window, pads);

    const double withoutPad = wakeUpsPerSecond(seconds);

    vexel::device::VirtualPad pad;
    if (!runUntil([&] { return pads.padCount() == 1; }, 2000)) {
        std::cerr << "vexel_bench_pad: the virtual pad was not found\n";
        return 1;
    }
    // Presses at random moments against the polling: left and right in
    // turn, so that the square stays on the board.
    std::mt19937 draw(1);
    std::uniform_int_distribution<int> pause(0, 2 * vexel::device::PadDevice::PollMs);
    std::vector<double> fromPress, fromRead;
    for (int i = 0; i < presses; ++i) {
        runFor(pause(draw));
        const PadButton button = i % 2 == 0 ? PadButton::DpadRight : PadButton::DpadLeft;
        const unsigned long keys = events.keys;
        const std::int64_t pressed = steadyUs();
        pad.set(button, true);
        if (!runUntil([&] { return events.keys > keys; }, 1000)) {
            std::cerr << "vexel_bench_pad: press " << i << " never reached the game\n";
            return 1;
        }
        fromPress.push_back(static_cast<double>(events.lastKeyUs - pressed) / 1000.0);
        fromRead.push_back(static_cast<double>(events.lastKeyUs - input.lastReadAtUs()) / 1000.0);
        const unsigned long posted = input.keysPosted();
        pad.set(button, false);
        runUntil([&] { return input.keysPosted() > posted; }, 1000);
    }

    const double active = wakeUpsPerSecond(seconds);
    QWidget other;
    other.show();
    other.activateWindow();
    runUntil([&] { return QApplication::activeWindow() == &other; }, 2000);
    const double inactive = wakeUpsPerSecond(seconds);

    const double period = vexel::device::PadDevice::PollMs;
    const double worstPress = *std::max_element(fromPress.begin(), fromPress.end());
    const double worstRead = *std::max_element(fromRead.begin(), fromRead.end());
    std::printf("%d presses, polling every %.0f ms\n", presses, period);
    std::printf("button down to the game: median %.2f ms, 99th percentile %.2f ms, longest %.2f ms"
                " (target <= %.0f ms: %s)\n",
                percentile(fromPress, 0.5), percentile(fromPress, 0.99), worstPress, period + 1,
                verdict(worstPress <= period + 1));
    std::printf("read by SDL to the game: median %.3f ms, 99th percentile %.3f ms, longest %.3f ms"
                " (target <= 1 ms: %s)\n",
                percentile(fromRead, 0.5), percentile(fromRead, 0.99), worstRead, verdict(worstRead <= 1));
    std::printf("paused, wake-ups a second over %d s: without a pad %.1f (target 0: %s), with a pad and"
                " another window active %.1f (target 0: %s), with a pad and the window active %.1f\n",
                seconds, withoutPad, verdict(withoutPad < 0.5), inactive, verdict(inactive < 0.5), active);
    return worstPress <= period + 1 && withoutPad < 0.5 && inactive < 0.5 ? 0 : 1;
}
