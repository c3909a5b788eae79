#include "sound/cues.h"

#include "board/geometry.h"

namespace vexel::sound {

namespace {

// The column in the middle of the board, and how far the top and bottom
// guns' columns spread from it: the outer columns stand one gun's
// breadth inside the side guns.
constexpr float MiddlePlace = (board::GunsPerSide - 1) / 2.0f;
constexpr float ColumnSpread = MiddlePlace + 1;

bool endOfGame(Cue cue)
{
    return cue == Cue::Lost || cue == Cue::Record;
}

} // namespace

float panOfGun(int gun)
{
    switch (board::sideOfGun(gun)) {
    case board::Left:
        return -1;
    case board::Right:
        return 1;
    case board::Top:
    case board::Bottom:
        break;
    }
    return (static_cast<float>(board::placeOfGun(gun)) - MiddlePlace) / ColumnSpread;
}

Cues::Cues(SoundOutput& output, std::function<bool()> inView) : output_(output), inView_(std::move(inView)) {}

void Cues::moment(Moment what, int gun)
{
    Play play;
    switch (what) {
    case Moment::GunFired:
        if (gun < 0 || gun >= board::GunCount)
            return;
        play = {Cue::Shot, nextShot_, panOfGun(gun)};
        break;
    case Moment::Scored:
        play = {Cue::Score, PointsVoice, 0};
        break;
    case Moment::NewLevel:
        play = {Cue::Level, PointsVoice, 0};
        break;
    case Moment::Lost:
        play = {Cue::Lost, EndVoice, 0};
        break;
    case Moment::NewRecord:
        play = {Cue::Record, EndVoice, 0};
        break;
    default:
        return;
    }
    if (!on_ || (!endOfGame(play.cue) && inView_ && !inView_()))
        return;
    if (play.cue == Cue::Shot)
        nextShot_ = (nextShot_ + 1) % ShotVoices;
    output_.play(play);
}

void Cues::setOn(bool on)
{
    if (on_ && !on)
        hush(true);
    on_ = on;
}

void Cues::hush(bool everything)
{
    for (int voice = 0; voice < VoiceCount; ++voice) {
        if (everything || voice != EndVoice)
            output_.stop(voice);
    }
}

} // namespace vexel::sound
