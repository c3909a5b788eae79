#pragma once

#include "app/form1.h"
#include "app/game_state.h"
#include "replay/replay.h"
#include "scores/record_store.h"
#include "ui/random_source.h"
#include "ui/window_host.h"

#include <functional>
#include <sstream>
#include <string>

namespace vexel::replay {

// What playing a replay came to.
struct Outcome {
    // The game as it stood when play stopped: score, level and mode, and
    // the ticks played.
    End played;
    // Empty when the game was lost exactly as the replay's end line says,
    // after every recorded event; otherwise why not, naming the line.
    std::string mismatch;
    bool matches() const { return mismatch.empty(); }
};

// Plays a recorded game again on a game of its own: the same start state,
// the recorded events between the same ticks, the recorded name at the
// record prompt. It opens no dialog and keeps the records in a store that
// is never written, so playing writes no file.
//
// Alone it needs no screen. Given a display (the viewer's window) it shows
// the game there as it goes: each caption with " (replay)" after it, and
// the option check marks; the display paints scene(). The display's own
// timer, keys and menus are not the game's: the viewer drives step().
class Playback final : private WindowHost {
public:
    // The replay must outlive the playback.
    explicit Playback(const Replay& replay, WindowHost* display = nullptr);

    // Loads the game as the window did when it was recorded. Once, first.
    void start();
    // Applies the events recorded before the next tick, then plays that
    // tick. Returns false once play is over: the game was lost, or it
    // cannot go on as the replay says.
    bool step();
    // Plays to the end, and says how it ended.
    Outcome run();

    bool over() const { return over_; }
    Outcome outcome() const;
    std::uint32_t ticksPlayed() const { return ticks_; }
    const Scene& scene() const { return form_.scene(); }
    const GameState& state() const { return state_; }
    // Hears the replayed game's moments, as a game's listener does.
    void listen(MomentListener& listener) { form_.listen(listener); }
    // The game's caption, without the display's suffix.
    std::string caption() const override { return caption_; }

private:
    // The store of a game whose records must not change: it holds the
    // starting records and drops every save.
    class Unwritten final : public scores::RecordStore {
    public:
        scores::LoadResult load() const override;
        std::string where() const override { return "replay"; }

    protected:
        scores::SaveResult store(std::string_view table, std::string_view) override
        {
            scores::SaveResult kept;
            kept.table = table;
            return kept;
        }
    };

    bool stop(std::uint32_t line, std::string why);
    // False, with play stopped, when the event does not find the game as
    // the recording says.
    bool foundAsRecorded(const Event& event);
    void apply(const Event& event);

    // WindowHost, as the game sees it.
    void setCaption(const std::string& text) override;
    int clientWidth() const override;
    int clientHeight() const override;
    bool timerEnabled() const override { return timer_; }
    void setTimerEnabled(bool enabled) override { timer_ = enabled; }
    bool checked(MenuItem item) const override { return checks_[static_cast<std::size_t>(item)]; }
    void setChecked(MenuItem item, bool on) override;
    void messageBox(const std::string&, const std::string&, MessageIcon) override {}
    std::string inputBox(const std::string& prompt, const std::string& title) override;
    void reload() override { lost_ = true; }

    const Replay& replay_;
    WindowHost* display_;
    GameState state_;
    DefaultRandom random_;
    Unwritten store_;
    std::ostringstream diagnostics_;
    Form1 form_;

    std::string caption_;
    bool timer_ = false;
    bool checks_[3] = {false, false, false};
    std::uint32_t ticks_ = 0;
    std::size_t next_ = 0; // the first event not yet applied
    bool lost_ = false;
    bool over_ = false;
    std::string mismatch_;
};

// The viewer's window hands its notifications here instead of to a game:
// its timer plays one recorded tick per interval, Enter pauses and resumes
// the replay, and every other key and menu choice is dropped, so the
// viewer cannot touch the recorded game. When play is over a box says so,
// and then `closed` runs.
class Viewer final : public FormEvents {
public:
    Viewer(Playback& playback, WindowHost& window, std::function<void()> closed);

    void load() override { playback_.start(); }
    void keyDown(int keyCode, int shift) override;
    void timer() override;
    void menu(MenuItem) override {}
    void highScoresMenu() override {}

private:
    Playback& playback_;
    WindowHost& window_;
    std::function<void()> closed_;
    bool ended_ = false;
};

// The end box's text.
std::string endText(const Outcome& outcome);

} // namespace vexel::replay
