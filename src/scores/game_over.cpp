// Form1 members (declared in app/form1.h): points, game over, records. Handlers live with their subsystem.

#include "app/form1.h"

#include "player/caption.h"
#include "scores/level.h"
#include "scores/record_store.h"
#include "scores/score_table.h"
#include "ui/texts.h"

#include <ostream>

namespace vexel {

void Form1::addScore(int points)
{
    state_.score += points;
    if (state_.score > scores::MaxScore)
        state_.score = scores::MaxScore;
    const int before = state_.level;
    state_.level = scores::levelForScore(state_.score, state_.level);
    tell(state_.level > before ? Moment::NewLevel : Moment::Scored);
    // One write, so the title never pairs a score with the wrong level.
    host_.setCaption(caption::runningWithLevel(state_.score, state_.level, isOn(state_.showLevel)));
}

void Form1::Lost()
{
    tell(Moment::Lost);
    // Another copy of the game may have set records since this game began:
    // the score is measured against what is stored now.
    readScores();
    const scores::Record record = scores::recordBeaten(state_.highScores, state_.score, state_.twoWay != 0);
    if (record == scores::Record::None) {
        host_.messageBox(translate("GameOver", "You lost!"), "Vexel", MessageIcon::None);
    } else {
        // Saved at once under the name a cancelled prompt gives, so that a
        // game ended while the prompt is open (a kill, the display server
        // gone) still keeps its record; the typed name replaces it below.
        const std::string unnamed =
            scores::withRecord(state_.highScores, record, state_.score, scores::holderName({}));
        storeScores(unnamed, {});
        tell(Moment::NewRecord);
        const std::string typed = host_.inputBox(
            translate("GameOver", "You lost, but you have set a new high score! What is your name?"),
            "Vexel");
        if (recorder_)
            recorder_->named(typed);
        state_.highScores =
            scores::withRecord(state_.highScores, record, state_.score, scores::holderName(typed));
        // On disk before it is shown.
        storeScores(state_.highScores, unnamed);
        mnuHS_Click();
    }
    saveScores();
    // The replay is written once the game's dialogs are closed and the
    // records are safe, and before the next game replaces this one.
    if (recorder_)
        recorder_->gameOver(state_);
    // Whatever the records, the replays and the history could not keep, in
    // one box after the game's own dialogs, whose order stays as it was.
    warnings_.show(host_);
    // Rebuilds the window and runs Form_Load: the next game is ready,
    // paused, when this returns.
    host_.reload();
}

void Form1::mnuHS_Click()
{
    host_.messageBox(scores::displayText(state_.highScores), translate("HighScores", "Vexel High Scores"),
                     MessageIcon::Information);
}

bool Form1::readScores()
{
    const scores::LoadResult result = records_.load();
    switch (result.status) {
    case scores::LoadResult::Status::Loaded:
        // A table this game could not save keeps what it holds beyond the
        // stored one, and the next save tries again.
        state_.highScores =
            state_.highScores.empty() ? result.table : scores::mergeTables(result.table, state_.highScores);
        return false;
    case scores::LoadResult::Status::Unreadable:
        noteRecordsProblem(true, result.error);
        break;
    case scores::LoadResult::Status::Missing:
    case scores::LoadResult::Status::NoTable:
        // A file that holds no table stays as it is: it may still be mended
        // by hand, and the next game over replaces it anyway.
        break;
    }
    if (state_.highScores.empty())
        state_.highScores = std::string(scores::DefaultTable);
    return result.status == scores::LoadResult::Status::Missing;
}

void Form1::loadScores()
{
    if (readScores())
        saveScores();
}

void Form1::saveScores()
{
    storeScores(state_.highScores, {});
}

void Form1::storeScores(const std::string& table, const std::string& provisional)
{
    scores::SaveResult result = records_.save(table, provisional);
    // Saved or not, the game goes on with the merged table: what failed to
    // reach the records is kept for the next save.
    state_.highScores = std::move(result.table);
    switch (result.status) {
    case scores::SaveResult::Status::Saved:
        // Whatever went wrong before is mended; a new failure is news again.
        toldProblems_.clear();
        warnings_.clear(GameOverWarnings::Part::Records);
        break;
    case scores::SaveResult::Status::Unreadable:
        noteRecordsProblem(true, result.error);
        break;
    case scores::SaveResult::Status::Failed:
        noteRecordsProblem(false, scores::describe(*result.failure));
        break;
    }
}

void Form1::noteRecordsProblem(bool unreadable, const std::string& error)
{
    if (!toldProblems_.insert((unreadable ? "read: " : "save: ") + error).second)
        return;
    const std::string where = records_.where();
    if (unreadable) {
        diagnostics_ << "vexel: "
                     << fill(translate("Records",
                                       "cannot read the high scores from %1: %2; it is left alone and "
                                       "no scores are saved there"),
                             {where, error})
                     << '\n';
        warnings_.add(GameOverWarnings::Part::Records,
                      fill(translate("Records", "The high scores cannot be kept.\n\n%1 cannot be read: "
                                                "%2.\nThe game leaves it as it is and saves no "
                                                "scores there."),
                           {where, error}));
    } else {
        diagnostics_ << "vexel: "
                     << fill(translate("Records", "cannot save the high scores to %1: %2"), {where, error})
                     << '\n';
        warnings_.add(GameOverWarnings::Part::Records,
                      fill(translate("Records", "The high scores could not be saved.\n\n%1: %2.\nThey "
                                                "are kept while the game runs, and the next game "
                                                "over tries again."),
                           {where, error}));
    }
}

} // namespace vexel
