#pragma once

#include "app/moments.h"

#include <functional>

namespace vexel::sound {

// The game's sounds. The player's own movement has none.
enum class Cue { Shot, Score, Level, Lost, Record };
inline constexpr int CueCount = 5;

// A few voices, each playing one sound at a time; a sound started on a
// voice cuts the one it was playing. Shots take turns on theirs, so the
// shot cut is always the oldest: at level 12 the guns stay a rhythm, not a
// roar. A new level's sound cuts the point's, the record's the lost game's.
inline constexpr int ShotVoices = 3;
inline constexpr int PointsVoice = ShotVoices;
inline constexpr int EndVoice = ShotVoices + 1;
inline constexpr int VoiceCount = ShotVoices + 2;

// One sound to start, and where it is heard from: -1 hard left, 0 the
// middle, 1 hard right.
struct Play {
    Cue cue = Cue::Shot;
    int voice = 0;
    float pan = 0;
    bool operator==(const Play&) const = default;
};

// Where the sounds go: the sound device, or nothing at all.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    virtual void play(const Play& play) = 0;
    // Cuts what the voice plays, if anything.
    virtual void stop(int voice) = 0;
};

// Where a gun is heard from: the guns beside the board from their side,
// the guns above and below it from their column, a little short of the
// side guns, as the board lies between them.
float panOfGun(int gun);

// Turns the game's moments into sounds. It only listens: the game plays
// out the same with or without it, Sound on or off.
class Cues final : public MomentListener {
public:
    // inView says whether the game is in front of the player now: running,
    // with no menu or dialog over it. Only the sounds of the game's end are
    // heard when it is not, as they come with the game-over dialogs.
    Cues(SoundOutput& output, std::function<bool()> inView);

    void moment(Moment what, int gun) override;

    // Sound on or off; off cuts what plays.
    void setOn(bool on);
    bool on() const { return on_; }
    // The game stopped in front of the player (paused, a menu or dialog
    // opened): cuts every sound but those of the game's end. With
    // everything, the end's too: the window closed.
    void hush(bool everything = false);

private:
    SoundOutput& output_;
    std::function<bool()> inView_;
    bool on_ = true;
    int nextShot_ = 0; // the shot voice that started longest ago
};

} // namespace vexel::sound
