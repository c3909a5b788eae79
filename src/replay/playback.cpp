#include "replay/playback.h"

#include "app/window_definition.h"
#include "scores/score_table.h"
#include "ui/texts.h"

namespace vexel::replay {

scores::LoadResult Playback::Unwritten::load() const
{
    scores::LoadResult result;
    result.status = scores::LoadResult::Status::Loaded;
    result.table = std::string(scores::DefaultTable);
    return result;
}

Playback::Playback(const Replay& replay, WindowHost* display)
    : replay_(replay), display_(display), random_(replay.start.seed),
      form_(state_, *this, random_, store_, diagnostics_)
{
    random_.skip(replay.start.drawn);
    // Options as they stood at the load; an option never switched acts
    // exactly as one switched off.
    state_.showBadSquares = replay.start.showBadSquares;
    state_.showLevel = replay.start.showLevel;
    state_.twoWay = replay.start.twoWay ? std::int16_t{-1} : std::int16_t{0};
}

void Playback::start()
{
    window::applyDefinition(*this);
    form_.load();
}

bool Playback::step()
{
    if (over_)
        return false;
    const std::vector<Event>& events = replay_.events;
    while (next_ < events.size() && events[next_].tick <= ticks_) {
        const Event& event = events[next_];
        if (event.tick < ticks_)
            return stop(event.line, "the event is dated tick " + std::to_string(event.tick) + ", but tick " +
                                        std::to_string(ticks_) + " has been played");
        if (event.kind == Event::Kind::Name)
            return stop(event.line, "a name where the game asked for none");
        if (!foundAsRecorded(event))
            return false;
        ++next_;
        apply(event);
    }
    if (ticks_ >= replay_.end.ticks)
        return stop(0, "the game is not over after the " + std::to_string(replay_.end.ticks) +
                           " ticks the replay records");
    if (!timer_)
        return stop(next_ < events.size() ? events[next_].line : 0,
                    "tick " + std::to_string(ticks_ + 1) + " is due while the game is paused");
    ++ticks_;
    form_.timer();
    if (!lost_)
        return true;

    over_ = true;
    if (next_ < events.size())
        return stop(events[next_].line,
                    "the game was lost at tick " + std::to_string(ticks_) + ", before this event");
    const End played = outcome().played;
    if (!(played == replay_.end))
        return stop(0, "the game ends with " + describe(played) + ", but the replay's end line says " +
                           describe(replay_.end));
    return false;
}

Outcome Playback::run()
{
    start();
    while (step()) {
    }
    return outcome();
}

Outcome Playback::outcome() const
{
    return {{ticks_, state_.score, state_.level, state_.twoWay != 0}, mismatch_};
}

bool Playback::foundAsRecorded(const Event& event)
{
    const std::uint64_t drawn = random_.drawn() - replay_.start.drawn;
    const auto square = static_cast<std::uint64_t>(state_.playerCol + 11 * state_.playerRow);
    if (drawn == event.drawn && square == event.square)
        return true;
    return stop(event.line, "the event finds the game elsewhere than it was recorded (@" +
                                std::to_string(drawn) + " " + std::to_string(square) + ")");
}

bool Playback::stop(std::uint32_t line, std::string why)
{
    over_ = true;
    if (mismatch_.empty())
        mismatch_ = line == 0 ? std::move(why) : "line " + std::to_string(line) + ": " + why;
    return false;
}

void Playback::apply(const Event& event)
{
    switch (event.kind) {
    case Event::Kind::Key:
        form_.keyDown(event.keyCode, event.shift);
        break;
    case Event::Kind::Option:
        form_.menu(event.item);
        break;
    case Event::Kind::HighScores:
        form_.highScoresMenu();
        break;
    case Event::Kind::Name:
        break;
    }
}

void Playback::setCaption(const std::string& text)
{
    caption_ = text;
    if (display_ != nullptr)
        display_->setCaption(text + translate("Replay", " (replay)"));
}

int Playback::clientWidth() const
{
    return display_ != nullptr ? display_->clientWidth() : window::ClientWidth;
}

int Playback::clientHeight() const
{
    return display_ != nullptr ? display_->clientHeight() : window::ClientHeight;
}

void Playback::setChecked(MenuItem item, bool on)
{
    checks_[static_cast<std::size_t>(item)] = on;
    if (display_ != nullptr)
        display_->setChecked(item, on);
}

std::string Playback::inputBox(const std::string& /*prompt*/, const std::string& /*title*/)
{
    // The recorded answer, if the game asks at the tick it asked then. A
    // game that asks elsewhere gets a cancel, and the unused name is
    // reported when play ends.
    const std::vector<Event>& events = replay_.events;
    if (next_ < events.size() && events[next_].kind == Event::Kind::Name && events[next_].tick == ticks_ &&
        foundAsRecorded(events[next_])) {
        ++next_;
        return replay_.name;
    }
    return {};
}

Viewer::Viewer(Playback& playback, WindowHost& window, std::function<void()> closed)
    : playback_(playback), window_(window), closed_(std::move(closed))
{
}

void Viewer::keyDown(int keyCode, int /*shift*/)
{
    if (keyCode == keys::Enter && !ended_)
        window_.setTimerEnabled(!window_.timerEnabled());
}

void Viewer::timer()
{
    if (ended_ || playback_.step())
        return;
    ended_ = true;
    window_.setTimerEnabled(false);
    window_.messageBox(endText(playback_.outcome()), translate("Replay", "Vexel Replay"),
                       MessageIcon::Information);
    if (closed_)
        closed_();
}

std::string endText(const Outcome& outcome)
{
    const int score = outcome.played.score;
    std::string text =
        translate("Replay", "The replay is over.\n\nFinal score: %n point(s).", nullptr, score);
    // Why names the replay's line and its words, which stay as the file
    // has them.
    if (!outcome.matches())
        text += fill(translate("Replay", "\n\nThis replay does not play out as it was recorded:\n%1"),
                     {outcome.mismatch});
    return text;
}

} // namespace vexel::replay
