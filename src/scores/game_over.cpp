// Form1 members (declared in app/form1.h): points, game over, records. Handlers live with their subsystem.

#include "app/form1.h"

#include "player/caption.h"
#include "scores/level.h"
#include "scores/record_store.h"
#include "scores/score_table.h"

#include <ostream>

namespace vexel {

void Form1::addScore(int points)
{
    state_.score += points;
    if (state_.score > scores::MaxScore)
        state_.score = scores::MaxScore;
    state_.level = scores::levelForScore(state_.score, state_.level);
    // One write, so the title never pairs a score with the wrong level.
    host_.setCaption(caption::runningWithLevel(state_.score, state_.level, isOn(state_.showLevel)));
}

void Form1::Lost()
{
    const scores::Record record = scores::recordBeaten(state_.highScores, state_.score, state_.twoWay != 0);
    if (record == scores::Record::None) {
        host_.messageBox("You lost!", "Vexel", MessageIcon::None);
    } else {
        const std::string typed =
            host_.inputBox("You lost, but you have set a new high score! What is your name?", "Vexel");
        state_.highScores =
            scores::withRecord(state_.highScores, record, state_.score, scores::holderName(typed));
        mnuHS_Click();
    }
    saveScores();
    // Rebuilds the window and runs Form_Load: the next game is ready,
    // paused, when this returns.
    host_.reload();
}

void Form1::mnuHS_Click()
{
    host_.messageBox(scores::displayText(state_.highScores), "Vexel High Scores", MessageIcon::Information);
}

void Form1::loadScores()
{
    const scores::LoadResult result = records_.load();
    switch (result.status) {
    case scores::LoadResult::Status::Loaded:
        state_.highScores = result.table;
        break;
    case scores::LoadResult::Status::Missing:
        state_.highScores = std::string(scores::DefaultTable);
        saveScores();
        break;
    case scores::LoadResult::Status::Unusable:
        // The file stays as it is: a damaged file may still be mended by
        // hand, and the next game over replaces it anyway.
        state_.highScores = std::string(scores::DefaultTable);
        if (!result.error.empty())
            diagnostics_ << "vexel: cannot read the high scores from " << records_.where() << ": "
                         << result.error << '\n';
        break;
    }
}

void Form1::saveScores()
{
    if (const auto failure = records_.save(state_.highScores))
        diagnostics_ << "vexel: cannot save the high scores to " << records_.where() << ": "
                     << scores::describe(*failure) << '\n';
}

} // namespace vexel
