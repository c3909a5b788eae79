#include "replay/recorder.h"

#include "app/game_state.h"
#include "text/utf8.h"
#include "ui/random_source.h"
#include "ui/texts.h"

#include <ostream>

namespace vexel::replay {

Recorder::Recorder(const DefaultRandom& random, Keep keep, std::ostream& diagnostics)
    : random_(random), keep_(std::move(keep)), diagnostics_(diagnostics)
{
}

void Recorder::gameLoaded(const GameState& state)
{
    state_ = &state;
    game_ = Replay{};
    game_.start = {random_.seed(), random_.drawn(), isOn(state.showBadSquares), isOn(state.showLevel),
                   state.twoWay != 0};
    ticks_ = 0;
    named_ = false;
    tooLarge_ = nullptr;
    if (game_.start.drawn > MaxDrawn)
        giveUp(VEXEL_TRANSLATE_NOOP("Replay",
                                    "the games before it drew more random numbers than a replay can skip"));
}

void Recorder::key(int keyCode, int shift)
{
    // The window sends nothing outside these; another caller might.
    if (keyCode < 0 || keyCode > MaxKeyCode || shift < 0 || shift > MaxShift) {
        giveUp(VEXEL_TRANSLATE_NOOP("Replay", "a key outside the codes a replay holds reached it"));
        return;
    }
    Event event;
    event.kind = Event::Kind::Key;
    event.keyCode = static_cast<std::uint16_t>(keyCode);
    event.shift = static_cast<std::uint8_t>(shift);
    add(event);
}

void Recorder::option(MenuItem item)
{
    Event event;
    event.kind = Event::Kind::Option;
    event.item = item;
    add(event);
}

void Recorder::highScores()
{
    Event event;
    event.kind = Event::Kind::HighScores;
    add(event);
}

void Recorder::named(std::string_view typed)
{
    // Cut on a character, far past the five characters the game keeps.
    std::size_t kept = 0;
    while (kept < typed.size()) {
        const std::size_t next = kept + utf8::charLength(typed, kept);
        if (next > MaxNameBytes)
            break;
        kept = next;
    }
    game_.name = std::string(typed.substr(0, kept));
    named_ = true;
    Event event;
    event.kind = Event::Kind::Name;
    add(event);
}

void Recorder::add(Event event)
{
    // Nothing before the first load belongs to a game.
    if (tooLarge_ != nullptr || state_ == nullptr)
        return;
    if (game_.events.size() >= MaxEvents || ticks_ > MaxTicks) {
        giveUp(VEXEL_TRANSLATE_NOOP("Replay", "it is longer than a replay can hold"));
        return;
    }
    event.tick = static_cast<std::uint32_t>(ticks_);
    event.drawn = random_.drawn() - game_.start.drawn;
    event.square = static_cast<std::uint8_t>(state_->playerCol + 11 * state_->playerRow);
    game_.events.push_back(event);
}

void Recorder::giveUp(const char* why)
{
    if (tooLarge_ == nullptr)
        tooLarge_ = why;
    // Nothing of it will be kept; the memory is better free.
    game_.events = {};
}

void Recorder::gameOver(const GameState& state)
{
    if (state_ == nullptr)
        return;
    if (ticks_ > MaxTicks)
        giveUp(VEXEL_TRANSLATE_NOOP("Replay", "it is longer than a replay can hold"));
    if (tooLarge_ != nullptr) {
        diagnostics_ << "vexel: "
                     << fill(translate("Replay", "this game is not kept as a replay: %1"),
                             {translate("Replay", tooLarge_)})
                     << '\n';
        return;
    }
    game_.end = {static_cast<std::uint32_t>(ticks_), state.score, state.level, state.twoWay != 0};
    if (keep_)
        keep_(game_, named_);
}

} // namespace vexel::replay
