#pragma once

#include "ui/window_host.h"

namespace vexel {

// The one door through which a window hands the game its notifications.
// Handlers run to completion, one at a time: whatever arrives while a
// handler or one of the game's dialogs is running is dropped, not queued.
// That matters because toolkits keep delivering timer ticks and input
// inside a modal dialog's own event loop; a tick or a key let through
// there would act on a game that is in the middle of ending.
class DeliveryGate {
public:
    // Keeps the gate shut while it lives.
    class Hold {
    public:
        explicit Hold(int& busy) : busy_(busy) { ++busy_; }
        ~Hold() { --busy_; }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        int& busy_;
    };

    void attach(FormEvents& events) { events_ = &events; }
    bool attached() const { return events_ != nullptr; }

    // Brings the window back to its definition (initial caption, no check
    // marks, timer enabled) and runs the game's start-up. A load is never
    // dropped: the window calls it when it is created and when the game
    // reloads it from inside a handler.
    void load(WindowHost& window);

    // Each returns false, and counts a drop, when the gate is shut or no
    // game is attached.
    bool keyDown(int keyCode, int shift);
    bool timer();
    bool menu(MenuItem item);
    bool highScoresMenu();

    // For the life of a game dialog.
    [[nodiscard]] Hold hold() { return Hold(busy_); }

    bool busy() const { return busy_ > 0; }
    unsigned long dropped() const { return dropped_; }
    unsigned long ticksDelivered() const { return ticks_; }

private:
    template <class Handler> bool deliver(Handler&& handler)
    {
        if (busy_ > 0 || events_ == nullptr) {
            ++dropped_;
            return false;
        }
        Hold hold(busy_);
        handler(*events_);
        return true;
    }

    FormEvents* events_ = nullptr;
    int busy_ = 0;
    unsigned long dropped_ = 0;
    unsigned long ticks_ = 0;
};

} // namespace vexel
