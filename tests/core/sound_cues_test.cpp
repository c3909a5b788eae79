// Which sound each moment of the game gives, from where, on which voice,
// and when it stays silent.

#include "sound/cues.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace vexel::sound {
namespace {

struct Recorded final : SoundOutput {
    void play(const Play& play) override { plays.push_back(play); }
    void stop(int voice) override { stops += std::to_string(voice); }
    std::vector<Play> plays;
    std::string stops;
};

TEST(SoundCues, EachMomentGivesItsCueFromWhereItHappens)
{
    struct Row {
        Moment what;
        int gun;
        bool inView;
        std::optional<Play> heard;
    };
    const std::vector<Row> rows = {
        // Left and right guns hard to their side, whatever their row.
        {Moment::GunFired, 11, true, Play{Cue::Shot, 0, -1.0f}},
        {Moment::GunFired, 21, true, Play{Cue::Shot, 0, -1.0f}},
        {Moment::GunFired, 33, true, Play{Cue::Shot, 0, 1.0f}},
        {Moment::GunFired, 43, true, Play{Cue::Shot, 0, 1.0f}},
        // Top and bottom guns by their column, inside the side guns.
        {Moment::GunFired, 0, true, Play{Cue::Shot, 0, -5.0f / 6}},
        {Moment::GunFired, 5, true, Play{Cue::Shot, 0, 0.0f}},
        {Moment::GunFired, 10, true, Play{Cue::Shot, 0, 5.0f / 6}},
        {Moment::GunFired, 22, true, Play{Cue::Shot, 0, -5.0f / 6}},
        {Moment::GunFired, 30, true, Play{Cue::Shot, 0, 3.0f / 6}},
        {Moment::GunFired, 44, true, std::nullopt},
        {Moment::GunFired, -1, true, std::nullopt},
        {Moment::Scored, -1, true, Play{Cue::Score, PointsVoice, 0}},
        {Moment::NewLevel, -1, true, Play{Cue::Level, PointsVoice, 0}},
        {Moment::Lost, -1, true, Play{Cue::Lost, EndVoice, 0}},
        {Moment::NewRecord, -1, true, Play{Cue::Record, EndVoice, 0}},
        // Behind a pause, a menu or a dialog only the game's end is heard.
        {Moment::GunFired, 11, false, std::nullopt},
        {Moment::Scored, -1, false, std::nullopt},
        {Moment::NewLevel, -1, false, std::nullopt},
        {Moment::Lost, -1, false, Play{Cue::Lost, EndVoice, 0}},
        {Moment::NewRecord, -1, false, Play{Cue::Record, EndVoice, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("moment " + std::to_string(static_cast<int>(row.what)) + " gun " +
                     std::to_string(row.gun) + (row.inView ? " in view" : " hidden"));
        Recorded output;
        Cues cues(output, [&row] { return row.inView; });
        cues.moment(row.what, row.gun);
        if (!row.heard) {
            EXPECT_TRUE(output.plays.empty());
            continue;
        }
        ASSERT_EQ(output.plays.size(), 1U);
        EXPECT_EQ(output.plays[0].cue, row.heard->cue);
        EXPECT_EQ(output.plays[0].voice, row.heard->voice);
        EXPECT_FLOAT_EQ(output.plays[0].pan, row.heard->pan);
    }
}

TEST(SoundCues, ShotsTakeTurnsSoTheOldestIsCutAndSilenceCutsAllButTheEnd)
{
    Recorded output;
    bool inView = true;
    Cues cues(output, [&inView] { return inView; });
    // Five shots on three voices: the fourth cuts the first, the fifth the
    // second. A shot not heard takes no turn.
    cues.moment(Moment::GunFired, 12);
    cues.moment(Moment::GunFired, 13);
    inView = false;
    cues.moment(Moment::GunFired, 14);
    inView = true;
    for (int gun : {15, 16, 17})
        cues.moment(Moment::GunFired, gun);
    std::vector<int> voices;
    for (const Play& play : output.plays)
        voices.push_back(play.voice);
    EXPECT_EQ(voices, (std::vector<int>{0, 1, 2, 0, 1}));

    cues.hush();
    EXPECT_EQ(output.stops, "0123") << "the end's voice plays on behind its dialogs";
    cues.hush(true);
    EXPECT_EQ(output.stops, "012301234");

    // Sound off cuts every voice once and mutes the end too; on again hears.
    output.stops.clear();
    cues.setOn(false);
    cues.setOn(false);
    EXPECT_EQ(output.stops, "01234");
    const std::size_t before = output.plays.size();
    cues.moment(Moment::Lost, -1);
    cues.moment(Moment::GunFired, 0);
    EXPECT_EQ(output.plays.size(), before);
    cues.setOn(true);
    cues.moment(Moment::Scored, -1);
    ASSERT_EQ(output.plays.size(), before + 1);
    EXPECT_EQ(output.plays.back().cue, Cue::Score);
}

} // namespace
} // namespace vexel::sound
