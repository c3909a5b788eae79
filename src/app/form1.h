#pragma once

#include "app/game_state.h"
#include "app/moments.h"
#include "replay/recorder.h"
#include "ui/game_over_warnings.h"
#include "ui/random_source.h"
#include "ui/scene.h"
#include "ui/window_host.h"

#include <iosfwd>
#include <set>
#include <string>
#include <vector>

namespace vexel {

namespace scores {
class RecordStore;
}

// The game window's code. Handlers keep the names the window gives them;
// their bodies live in the folder of the subsystem they belong to.
class Form1 final : public FormEvents {
public:
    Form1(GameState& state, WindowHost& host, RandomSource& random, scores::RecordStore& records,
          std::ostream& diagnostics);

    // FormEvents: how the window reaches the handlers below.
    void load() override;
    void keyDown(int keyCode, int shift) override
    {
        if (recorder_)
            recorder_->key(keyCode, shift);
        Form_KeyDown(keyCode, shift);
    }
    void timer() override
    {
        if (recorder_)
            recorder_->tick();
        Frame_Timer();
    }
    void menu(MenuItem item) override;
    void highScoresMenu() override
    {
        if (recorder_)
            recorder_->highScores();
        mnuHS_Click();
    }

    // Every game from the next load on is followed by the recorder, which
    // must outlive the window's handlers.
    void record(replay::Recorder& recorder) { recorder_ = &recorder; }
    // Told every moment from now on; must outlive the window's handlers.
    // Listening changes nothing in the game: it plays out tick for tick the
    // same with or without listeners.
    void listen(MomentListener& listener) { listeners_.push_back(&listener); }
    // What a game over could not keep, shown in one box after its dialogs,
    // the replay files and the history: those add to it from the recorder.
    GameOverWarnings& warnings() { return warnings_; }

    void Form_Load();
    void Form_KeyDown(int keyCode, int shift);
    void Frame_Timer();
    void mnuSBS_Click();
    void mnuSL_Click();
    void mnuTW_Click();
    void mnuHS_Click();

    void setGrid(int flag);
    void addScore(int points);
    void Lost();
    void loadScores();
    void saveScores();

    const Scene& scene() const { return scene_; }
    Scene& scene() { return scene_; }
    // Counts window loads; lets a caller notice that Lost rebuilt the board.
    unsigned long loads() const { return loads_; }

private:
    void gunStep(int gun, double p);
    void fire(int gun);
    void squareReset();
    // Each returns true when the game was lost: the board it worked on is
    // gone by then, and the caller must stop touching it.
    bool bulletFlight();
    bool testSquare(int row, int col);
    // Takes in what the records hold now; true when there are none yet.
    bool readScores();
    // Saves a table and takes what the records then hold as highScores.
    void storeScores(const std::string& table, const std::string& provisional);
    // Problems with the records reach the player once per kind: a line on
    // the diagnostics at once, a paragraph of the warning box at the end of
    // the next game.
    void noteRecordsProblem(bool unreadable, const std::string& error);
    void tell(Moment what, int gun = -1)
    {
        for (MomentListener* listener : listeners_)
            listener->moment(what, gun);
    }

    GameState& state_;
    WindowHost& host_;
    RandomSource& random_;
    scores::RecordStore& records_;
    std::ostream& diagnostics_;
    Scene scene_;
    unsigned long loads_ = 0;
    std::set<std::string> toldProblems_;
    GameOverWarnings warnings_;
    replay::Recorder* recorder_ = nullptr;
    std::vector<MomentListener*> listeners_;
};

} // namespace vexel
