// A million ticks of play from fixed seeds: a scripted player dodges,
// wanders, pauses and flips options while the game's own generator drives
// the guns. The board's invariants are checked after every tick, and the
// memory in use must be the same after the last hundred thousand ticks as
// after the first.
//
// VEXEL_SOAK_TICKS overrides the number of ticks (the sanitizer build runs
// a shorter soak).

#include "scratch_folder.h"

#include "app/form1.h"
#include "scores/level.h"
#include "scores/score_file.h"
#include "tick/tags.h"
#include "ui/headless/headless_host.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstddef>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>

#if defined(__SANITIZE_ADDRESS__)
#define VEXEL_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VEXEL_ASAN 1
#endif
#endif
#ifdef VEXEL_ASAN
// From the sanitizer runtime; GCC does not ship the header that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace vexel::robustness {
namespace {

constexpr Color ChargeColor[] = {
    colors::Yellow, rgb(255, 192, 0), rgb(255, 128, 0), rgb(255, 64, 0), rgb(255, 0, 0),
};

long soakTicks()
{
    const char* text = std::getenv("VEXEL_SOAK_TICKS");
    const long ticks = text ? std::strtol(text, nullptr, 10) : 0;
    return ticks > 0 ? ticks : 1000000;
}

// Resident memory and live heap bytes. The heap figure is the sharper one:
// resident pages move with the allocator's caching, live bytes only when
// something is kept. Under AddressSanitizer the allocator is its own.
struct Memory {
    long residentKiB = 0;
    long heapBytes = 0;
};

Memory memoryNow()
{
    Memory m;
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    m.residentKiB = resident * (::sysconf(_SC_PAGESIZE) / 1024);
#ifdef VEXEL_ASAN
    m.heapBytes = static_cast<long>(__sanitizer_get_current_allocated_bytes());
#else
    m.heapBytes = static_cast<long>(::mallinfo2().uordblks);
#endif
    return m;
}

// The key that steps the player out of a bullet's line when one is coming
// close along it, or 0.
int dodge(const Scene& scene, const GameState& state)
{
    const auto left = static_cast<float>(50 + 24 * state.playerCol);
    const auto top = static_cast<float>(50 + 24 * state.playerRow);
    for (std::size_t i = 1; i <= 50; ++i) {
        const ShapeObject& b = scene.Bullet(i);
        if (!b.Visible)
            continue;
        const bool column = (b.Tag == "0" && b.Left == left && b.Top < top + 24 && b.Top > top - 90) ||
                            (b.Tag == "2" && b.Left == left && b.Top > top - 24 && b.Top < top + 90);
        const bool row = (b.Tag == "1" && b.Top == top && b.Left < left + 24 && b.Left > left - 90) ||
                         (b.Tag == "3" && b.Top == top && b.Left > left - 24 && b.Left < left + 90);
        if (column)
            return state.playerCol > 0 ? keys::Left : keys::Right;
        if (row)
            return state.playerRow > 0 ? keys::Up : keys::Down;
    }
    return 0;
}

// The first broken invariant, with its tick, and how many there were.
struct Breaches {
    long count = 0;
    std::string first;
    void add(long tick, const std::string& what)
    {
        if (count++ == 0)
            first = "tick " + std::to_string(tick) + ": " + what;
    }
};

void checkBoard(const Form1& form, long tick, Breaches& breaches)
{
    const Scene& scene = form.scene();
    const GameState& state = form.state();
    int green = 0;
    int yellow = 0;
    for (std::size_t i = 0; i <= 120; ++i) {
        green += scene.Grid(i).BackColor == colors::Player ? 1 : 0;
        yellow += scene.Grid(i).BackColor == colors::Yellow ? 1 : 0;
    }
    const auto player = static_cast<std::size_t>(state.playerCol + 11 * state.playerRow);
    if (green != 1 || scene.Grid(player).BackColor != colors::Player)
        breaches.add(tick,
                     std::to_string(green) + " green squares, player on square " + std::to_string(player));
    if (yellow > 0 && !isOn(state.showBadSquares))
        breaches.add(tick, "a yellow square with Show Bad Squares off");
    if (state.nextBullet < 1 || state.nextBullet > 50)
        breaches.add(tick, "nextBullet " + std::to_string(state.nextBullet));
    for (std::size_t i = 0; i < 44; ++i) {
        const ShapeObject& gun = scene.Gun(i);
        const bool validTag = gun.Tag.size() == 1 && gun.Tag[0] >= '0' && gun.Tag[0] <= '4';
        if (!validTag || gun.BackColor != ChargeColor[tagValue(gun.Tag)])
            breaches.add(tick,
                         "gun " + std::to_string(i) + " with Tag \"" + gun.Tag + "\" in another colour");
    }
    if (state.level != scores::levelForScore(state.score, -1))
        breaches.add(tick,
                     "level " + std::to_string(state.level) + " at score " + std::to_string(state.score));
}

TEST(Soak, AMillionTicksKeepTheInvariantsAndTheMemoryFlat)
{
    const long ticks = soakTicks();
    const long window = std::max(1L, ticks / 10);
    // Every lost game saves with fsync: a memory-backed folder keeps the
    // soak about the game rather than the disk.
    std::error_code noShm;
    ScratchFolder dir(std::filesystem::is_directory("/dev/shm", noShm)
                          ? std::filesystem::path("/dev/shm")
                          : std::filesystem::temp_directory_path());
    GameState state;
    HeadlessHost host;
    DefaultRandom random;
    const scores::ScoreFile file(dir.file("vexel.ini"));
    std::ostringstream diagnostics;
    Form1 form(state, host, random, file, diagnostics);
    host.attach(form);
    host.setRecording(false);

    std::mt19937 script(424242U);
    auto chance = [&script](unsigned perThousand) { return script() % 1000U < perThousand; };
    long records = 0;
    bool nameTaken = false;
    host.onDialog = [&](const HeadlessHost::Dialog& d) {
        if (d.kind == HeadlessHost::Dialog::Kind::Input) {
            nameTaken = true;
            ++records;
        }
    };
    host.queueAnswer("Soak");
    host.show();

    constexpr int Arrows[] = {keys::Left, keys::Up, keys::Right, keys::Down};
    constexpr MenuItem Options[] = {MenuItem::ShowBadSquares, MenuItem::ShowLevel, MenuItem::TwoWay};
    Breaches breaches;
    unsigned long loads = form.loads();
    int lastScore = 0;
    int bestScore = 0;
    long games = 1;
    long switches = 0;
    long delivered = 0;
    Memory early;
    const auto began = std::chrono::steady_clock::now();
    while (delivered < ticks) {
        const int away = dodge(form.scene(), state);
        if (!host.timerEnabled()) {
            host.pressKey(chance(300) ? Arrows[script() % 4U] : keys::Enter);
        } else if (away != 0 && chance(900)) {
            host.pressKey(away);
        } else if (chance(40)) {
            host.pressKey(Arrows[script() % 4U]);
        } else if (chance(2)) {
            host.pressKey(keys::Enter);
        } else if (chance(2)) {
            host.clickMenu(Options[script() % 3U]);
            ++switches;
        } else if (chance(1)) {
            host.clickHighScores();
        }
        if (!host.tick())
            continue;
        ++delivered;

        if (nameTaken) {
            host.queueAnswer("Soak");
            nameTaken = false;
        }
        if (form.loads() != loads) {
            loads = form.loads();
            ++games;
            lastScore = 0;
        }
        checkBoard(form, delivered, breaches);
        if (state.score < lastScore)
            breaches.add(delivered, "score fell from " + std::to_string(lastScore) + " to " +
                                        std::to_string(state.score) + " within a game");
        lastScore = state.score;
        bestScore = std::max(bestScore, state.score);
        if (delivered == window)
            early = memoryNow();
    }
    const Memory late = memoryNow();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();

    EXPECT_EQ(breaches.count, 0) << breaches.first;
    EXPECT_EQ(diagnostics.str(), "");
    // A soak that never lost, scored or switched would prove little.
    EXPECT_GT(games, ticks / 20000);
    EXPECT_GT(records, 0);
    EXPECT_GT(bestScore, 25);
    EXPECT_GT(switches, ticks / 2000);
    // Nothing the game keeps may grow with play. A little slack for the
    // allocator's bookkeeping; a leak of one string per game would exceed it.
    EXPECT_LE(late.heapBytes - early.heapBytes, 16 * 1024)
        << "live heap grew from " << early.heapBytes << " to " << late.heapBytes << " bytes";
#ifndef VEXEL_ASAN
    // AddressSanitizer parks freed blocks in a quarantine of up to 256 MiB,
    // so resident memory climbs there whatever the game does; the live heap
    // above is the exact measure in that build.
    EXPECT_LE(late.residentKiB - early.residentKiB, 512)
        << "resident memory grew from " << early.residentKiB << " to " << late.residentKiB << " KiB";
#endif

    std::cout << "[ soak ] " << delivered << " ticks in " << seconds << " s (" << seconds / delivered * 1e6
              << " us a tick with checks), " << games << " games, " << records << " records, best score "
              << bestScore << ", " << switches << " option switches; heap " << early.heapBytes << " -> "
              << late.heapBytes << " bytes, resident " << early.residentKiB << " -> " << late.residentKiB
              << " KiB\n";
}

} // namespace
} // namespace vexel::robustness
