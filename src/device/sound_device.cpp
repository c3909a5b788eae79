#include "device/sound_device.h"

#include "device/sdl_session.h"
#include "ui/texts.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <alsa/asoundlib.h>

#include <algorithm>
#include <cstdlib>
#include <ostream>

namespace vexel::device {

namespace sounds {
extern const unsigned char shot[];
extern const std::size_t shotSize;
extern const unsigned char score[];
extern const std::size_t scoreSize;
extern const unsigned char level[];
extern const std::size_t levelSize;
extern const unsigned char lost[];
extern const std::size_t lostSize;
extern const unsigned char record[];
extern const std::size_t recordSize;
} // namespace sounds

namespace {

constexpr int Rate = 48000;
constexpr int Period = 512; // frames: about 10.7 ms at 48 kHz
constexpr int Stereo = 2;

struct Sound {
    const unsigned char* data;
    std::size_t size;
};

// In the order of sound::Cue.
Sound soundOf(int cue)
{
    const Sound all[sound::CueCount] = {
        {sounds::shot, sounds::shotSize},     {sounds::score, sounds::scoreSize},
        {sounds::level, sounds::levelSize},   {sounds::lost, sounds::lostSize},
        {sounds::record, sounds::recordSize},
    };
    return all[cue];
}

// With no sound server, SDL falls back to ALSA, whose library prints its
// own lines for every card and plugin it cannot open. The game says once,
// in one line, that it plays silent; ALSA stays the fallback it is for a
// desktop without a server, only quiet.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

// Where PulseAudio's client library (and PipeWire's, which speaks it) reads
// a client's properties: the stream is then listed as a game's, with the
// game's icon. A player's own PULSE_PROP comes after ours and so wins.
void describeStream()
{
    static bool described = false;
    if (described)
        return;
    described = true;
    std::string properties = "media.role=game application.icon_name=org.vexel.Vexel";
    if (const char* own = std::getenv("PULSE_PROP"); own != nullptr && own[0] != '\0')
        properties += std::string(" ") + own;
    ::setenv("PULSE_PROP", properties.c_str(), 1);
    snd_lib_error_set_handler(&quietAlsa);
    // For SDL's own PipeWire backend, which reads it.
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_ROLE, "game");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Vexel");
}

// Balance rather than equal power: a sound from the middle is as loud in
// each ear as one from the side is in its own.
void pan(int voice, float where)
{
    const float clamped = std::clamp(where, -1.0f, 1.0f);
    const auto left = static_cast<Uint8>(255 * std::min(1.0f, 1.0f - clamped));
    const auto right = static_cast<Uint8>(255 * std::min(1.0f, 1.0f + clamped));
    Mix_SetPanning(voice, left, right);
}

} // namespace

SoundDevice::SoundDevice(std::ostream& diagnostics) : diagnostics_(diagnostics)
{
    describeStream();
}

SoundDevice::~SoundDevice()
{
    close();
}

bool SoundDevice::want(const void* user, bool wanted)
{
    if (wanted)
        users_.insert(user);
    else
        users_.erase(user);
    if (users_.empty())
        close();
    else if (!open_ && !failed_)
        open();
    return open_;
}

bool SoundDevice::open()
{
    std::string error;
    if (!SdlSession::acquire(SDL_INIT_AUDIO, &error)) {
        fail(error);
        return false;
    }
    if (Mix_OpenAudioDevice(Rate, AUDIO_S16SYS, Stereo, Period, nullptr, 0) != 0) {
        fail(SDL_GetError());
        SdlSession::release(SDL_INIT_AUDIO);
        return false;
    }
    open_ = true;
    // SDL_mixer keeps the id of the device it opened to itself; it is the
    // one device of the process that plays.
    audioId_ = 0;
    for (SDL_AudioDeviceID id = 2; id < 16 && audioId_ == 0; ++id) {
        if (SDL_GetAudioDeviceStatus(id) == SDL_AUDIO_PLAYING)
            audioId_ = id;
    }
    Mix_AllocateChannels(sound::VoiceCount);
    for (int cue = 0; cue < sound::CueCount; ++cue) {
        const Sound sound = soundOf(cue);
        chunks_[cue] = Mix_LoadWAV_RW(SDL_RWFromConstMem(sound.data, static_cast<int>(sound.size)), 1);
    }
    read_.store(written_.load());
    Mix_HookMusic(&SoundDevice::startAsked, this);
    if (probe_)
        Mix_SetPostMix(&SoundDevice::handedOver, this);
    return true;
}

void SoundDevice::close()
{
    if (!open_)
        return;
    open_ = false;
    Mix_HookMusic(nullptr, nullptr);
    Mix_SetPostMix(nullptr, nullptr);
    Mix_HaltChannel(-1);
    for (void*& chunk : chunks_) {
        Mix_FreeChunk(static_cast<Mix_Chunk*>(chunk));
        chunk = nullptr;
    }
    Mix_CloseAudio();
    SdlSession::release(SDL_INIT_AUDIO);
}

void SoundDevice::fail(const std::string& why)
{
    failed_ = true;
    if (toldFailure_)
        return;
    toldFailure_ = true;
    diagnostics_ << fill(translate("Sound", "vexel: no sound, the game plays on silent: %1"), {why}) << '\n';
}

bool SoundDevice::playing() const
{
    return open_ && Mix_Playing(-1) > 0;
}

void SoundDevice::play(const sound::Play& play)
{
    if (!open_ || play.voice < 0 || play.voice >= sound::VoiceCount)
        return;
    // A device that went away (the server ended, the card was pulled) stops
    // SDL's audio; the rest of this game is silent, the next tries again.
    if (audioId_ != 0 && SDL_GetAudioDeviceStatus(audioId_) == SDL_AUDIO_STOPPED) {
        close();
        fail(translate("Sound", "the sound device was lost"));
        return;
    }
    ask({play.voice, static_cast<int>(play.cue), play.pan, probe_ ? Clock::now() : Clock::time_point{}});
}

void SoundDevice::stop(int voice)
{
    if (open_ && voice >= 0 && voice < sound::VoiceCount)
        ask({voice, -1, 0, {}});
}

void SoundDevice::ask(const Request& request)
{
    const std::uint32_t written = written_.load(std::memory_order_relaxed);
    // Full only if the audio thread has stalled; then what it would start
    // late is better not heard.
    if (written - read_.load(std::memory_order_acquire) >= QueueSize)
        return;
    queue_[written % QueueSize] = request;
    written_.store(written + 1, std::memory_order_release);
}

void SoundDevice::startAsked(void* self, unsigned char*, int)
{
    // SDL_mixer calls this before it mixes the channels, so a sound started
    // here is in this very mix.
    auto& device = *static_cast<SoundDevice*>(self);
    const std::uint32_t written = device.written_.load(std::memory_order_acquire);
    std::uint32_t read = device.read_.load(std::memory_order_relaxed);
    for (; read != written; ++read) {
        const Request& request = device.queue_[read % QueueSize];
        if (request.cue < 0) {
            Mix_HaltChannel(request.voice);
            device.asked_[static_cast<std::size_t>(request.voice)] = {};
            continue;
        }
        auto* chunk = static_cast<Mix_Chunk*>(device.chunks_[static_cast<std::size_t>(request.cue)]);
        if (chunk == nullptr)
            continue;
        pan(request.voice, request.pan);
        Mix_PlayChannel(request.voice, chunk, 0);
        device.asked_[static_cast<std::size_t>(request.voice)] = request.asked;
    }
    device.read_.store(read, std::memory_order_release);
}

void SoundDevice::handedOver(void* self, unsigned char*, int)
{
    auto& device = *static_cast<SoundDevice*>(self);
    const Clock::time_point now = Clock::now();
    for (Clock::time_point& asked : device.asked_) {
        if (asked == Clock::time_point{})
            continue;
        device.probe_(asked, now);
        asked = {};
    }
}

} // namespace vexel::device
