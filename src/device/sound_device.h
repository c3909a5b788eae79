#pragma once

#include "sound/cues.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <set>
#include <string>

namespace vexel::device {

// The game's sounds through SDL2_mixer: 48 kHz stereo, a period of 512
// frames (about 11 ms), one mixer channel per voice, panned per sound.
//
// The device is held only while someone wants it: SDL's audio thread
// wakes every period while a device is open, even a paused one, so a game
// that stands still lets it go. With no sound to be had (no server, no
// card, a device lost mid-game) it stays silent, says so once per run on
// the diagnostics, and tries again only when told to: at the next game.
class SoundDevice final : public sound::SoundOutput {
public:
    using Clock = std::chrono::steady_clock;
    // Told on the audio thread, for each sound started, when it was asked
    // for and when the first samples with it were handed to the device.
    using Probe = std::function<void(Clock::time_point asked, Clock::time_point handed)>;

    // Sets the environment the sound server's client library reads, so it
    // is best made before any other thread runs.
    explicit SoundDevice(std::ostream& diagnostics);
    ~SoundDevice() override;
    SoundDevice(const SoundDevice&) = delete;
    SoundDevice& operator=(const SoundDevice&) = delete;

    // A user wants the device open, or no longer. It is open while any
    // does and it could be had; false when it could not.
    bool want(const void* user, bool wanted);
    // After a failure the device stays shut until this is called.
    void tryAgain() { failed_ = false; }

    bool isOpen() const { return open_; }
    // Whether any voice still plays.
    bool playing() const;
    // Whether a failure to open or a lost device has been told.
    bool toldFailure() const { return toldFailure_; }

    void play(const sound::Play& play) override;
    void stop(int voice) override;

    // Only for measuring; set it while the device is shut.
    void setProbe(Probe probe) { probe_ = std::move(probe); }

private:
    // What the game asked for, on its way to the audio thread.
    struct Request {
        int voice = 0;
        int cue = -1; // -1 stops the voice
        float pan = 0;
        Clock::time_point asked;
    };
    static constexpr std::uint32_t QueueSize = 64;

    bool open();
    void close();
    void fail(const std::string& why);
    void ask(const Request& request);
    // On the audio thread, at the start of each mix: starts and stops
    // what was asked for since the last one.
    static void startAsked(void* self, unsigned char* stream, int length);
    static void handedOver(void* self, unsigned char* stream, int length);

    std::ostream& diagnostics_;
    std::set<const void*> users_;
    bool open_ = false;
    std::uint32_t audioId_ = 0;
    bool failed_ = false;
    bool toldFailure_ = false;
    std::array<void*, sound::CueCount> chunks_{};
    Probe probe_;
    // The game's thread writes requests, the audio thread reads them: the
    // tick never waits for the mixer's lock.
    std::array<Request, QueueSize> queue_{};
    std::atomic<std::uint32_t> written_{0};
    std::atomic<std::uint32_t> read_{0};
    // Per voice, when its sound was asked for and not yet handed over;
    // audio thread only.
    std::array<Clock::time_point, sound::VoiceCount> asked_{};
};

} // namespace vexel::device
