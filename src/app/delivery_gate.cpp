#include "app/delivery_gate.h"

#include "app/window_definition.h"

namespace vexel {

void DeliveryGate::load(WindowHost& window)
{
    Hold hold(busy_);
    window::applyDefinition(window);
    if (events_ != nullptr)
        events_->load();
}

bool DeliveryGate::keyDown(int keyCode, int shift)
{
    return deliver([&](FormEvents& events) { events.keyDown(keyCode, shift); });
}

bool DeliveryGate::timer()
{
    const bool delivered = deliver([](FormEvents& events) { events.timer(); });
    if (delivered)
        ++ticks_;
    return delivered;
}

bool DeliveryGate::menu(MenuItem item)
{
    return deliver([item](FormEvents& events) { events.menu(item); });
}

bool DeliveryGate::highScoresMenu()
{
    return deliver([](FormEvents& events) { events.highScoresMenu(); });
}

} // namespace vexel
