#pragma once

// A game with virtual pads plugged in, and a script of what a player does
// with them, for the window tests.

#include "board_lines.h"
#include "device/pad_device.h"
#include "device/pad_virtual.h"
#include "qt/game_dialog.h"
#include "qt/game_window.h"
#include "qt/pad_input.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <sstream>

namespace padtest {

using vexel::device::PadButton;
using vexel::device::VirtualPad;

// One game with a pad plugged in, its window active.
struct PadGame : vexel::testsupport::ShownGame {
    vexel::device::PadDevice pads;
    std::unique_ptr<vexel::qt::PadInput> input;
    std::unique_ptr<VirtualPad> pad;

    bool start()
    {
        show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window) || !pads.open())
            return false;
        input = std::make_unique<vexel::qt::PadInput>(window, pads);
        form.listen(*input);
        return plug();
    }
    bool plug()
    {
        const int before = pads.padCount();
        pad = std::make_unique<VirtualPad>();
        return pad->attached() && QTest::qWaitFor([&] { return pads.padCount() == before + 1; }, 1000);
    }
    std::pair<int, int> square() const { return {state.playerCol, state.playerRow}; }
    void aimBulletAtPlayer()
    {
        vexel::ShapeObject& bullet = form.scene().Bullet(1);
        // One step left of the player's square, flying right.
        bullet = {bullet.Kind,
                  47.0F + 24.0F * static_cast<float>(state.playerCol),
                  50.0F + 24.0F * static_cast<float>(state.playerRow),
                  25,
                  25,
                  true,
                  bullet.BackColor,
                  "1"};
    }
};

// What a player does with the pad, step by step, driven by a timer so that
// it goes on inside the game's dialogs, whose loops the test cannot leave.
class Script {
public:
    using Step = std::function<bool()>; // true when done

    explicit Script(PadGame& game) : game_(game)
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (clock_.elapsed() > timeoutMs_ && !steps_.empty()) {
                failures
                    << QStringLiteral("stuck at step %1 of %2").arg(total_ - steps_.size() + 1).arg(total_);
                steps_.clear();
            }
            // A failed script leaves no dialog open behind it: its loop
            // would keep the test from ever ending.
            if (steps_.empty() && !failures.isEmpty()) {
                if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                    dialog->reject();
            }
            while (!steps_.empty() && steps_.front()())
                steps_.pop_front();
        });
    }
    void then(Step step) { steps_.push_back(std::move(step)); }
    void act(std::function<void()> action)
    {
        then([action] {
            action();
            return true;
        });
    }
    void expect(std::function<bool()> holds, const char* what)
    {
        act([this, holds, what] {
            if (!holds())
                failures << QString::fromLatin1(what);
        });
    }
    // A push and a let go, each read by the pad's next polls.
    void push(PadButton button)
    {
        auto posted = std::make_shared<unsigned long>();
        // First the keys of what was done before, so that none is taken
        // for this push's.
        auto quiet = std::make_shared<QElapsedTimer>();
        then([this, posted, quiet] {
            if (!quiet->isValid() || game_.input->keysPosted() != *posted) {
                *posted = game_.input->keysPosted();
                quiet->start();
            }
            return quiet->elapsed() >= 4 * vexel::device::PadDevice::PollMs;
        });
        act([this, button, posted] {
            *posted = game_.input->keysPosted();
            game_.pad->set(button, true);
        });
        then([this, button, posted] {
            if (game_.input->keysPosted() == *posted)
                return false;
            game_.pad->set(button, false);
            return true;
        });
        // The release goes wherever the press has sent the focus.
        auto released = std::make_shared<QElapsedTimer>();
        then([released] {
            if (!released->isValid())
                released->start();
            return released->elapsed() >= 3 * vexel::device::PadDevice::PollMs;
        });
        // The offscreen platform gives the focus to no window when a menu
        // or a dialog closes; a window manager gives it back to the game.
        then([this] {
            if (QGuiApplication::focusWindow() != nullptr || QApplication::activeModalWidget() != nullptr ||
                QGuiApplication::platformName() != QLatin1String("offscreen"))
                return true;
            game_.window.activateWindow();
            return false;
        });
    }
    // Waits for a dialog of the kind, and past the time its guard drops keys.
    template <class Dialog> void dialog(std::function<void(Dialog&)> look = {})
    {
        auto since = std::make_shared<QElapsedTimer>();
        then([since, look] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return false;
            if (!since->isValid())
                since->start();
            if (since->elapsed() < vexel::qt::DialogKeyGuard::DeafMs + 50)
                return false;
            if (look)
                look(*dialog);
            return true;
        });
    }
    bool run(int timeoutMs = 10000)
    {
        total_ = steps_.size();
        timeoutMs_ = timeoutMs;
        clock_.start();
        timer_.start(5);
        const bool done =
            QTest::qWaitFor([this] { return steps_.empty() && QApplication::activeModalWidget() == nullptr; },
                            timeoutMs + 5000);
        timer_.stop();
        return done && failures.isEmpty();
    }
    QStringList failures;

private:
    PadGame& game_;
    QTimer timer_;
    std::deque<Step> steps_;
    QElapsedTimer clock_;
    std::size_t total_ = 0;
    int timeoutMs_ = 0;
};

} // namespace padtest
