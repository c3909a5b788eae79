// A million ticks of play from fixed seeds: a scripted player dodges,
// wanders, pauses and flips options while the game's own generator drives
// the guns. The board's invariants are checked after every tick, and the
// memory in use must be the same after the last hundred thousand ticks as
// after the first.
//
// VEXEL_SOAK_TICKS overrides the number of ticks; scripts/test.sh sets it
// for the sanitizer build, which runs a shorter soak.

#include "scratch_folder.h"

#include "play_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdlib>
#include <fstream>
#include <iostream>

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

namespace vexel::testsupport {
namespace {

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

TEST(Soak, AMillionTicksKeepTheInvariantsAndTheMemoryFlat)
{
    const long ticks = soakTicks();
    const long window = std::max(1L, ticks / 10);
    // Every lost game saves with fsync: a memory-backed folder keeps the
    // soak about the game rather than the disk.
    ScratchFolder dir(ScratchFolder::memoryBacked());
    SessionPlan plan;
    plan.ticks = ticks;
    plan.scriptSeed = 424242U;
    plan.scoresPath = dir.file("vexel.ini");
    Memory early;
    plan.afterTick = [&early, window](long delivered) {
        if (delivered == window)
            early = memoryNow();
    };
    const auto began = std::chrono::steady_clock::now();
    const SessionResult session = playSession(plan);
    const Memory late = memoryNow();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();

    EXPECT_EQ(session.breaches, 0) << session.firstBreach;
    EXPECT_EQ(session.diagnostics, "");
    // A soak that never lost, scored or switched would prove little.
    EXPECT_GT(session.games, ticks / 20000);
    EXPECT_GT(session.records, 0);
    EXPECT_GT(session.bestScore, 25);
    EXPECT_GT(session.optionSwitches, ticks / 2000);
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

    std::cout << "[ soak ] " << session.ticks << " ticks in " << seconds << " s ("
              << seconds / session.ticks * 1e6 << " us a tick with checks), " << session.games << " games, "
              << session.records << " records, best score " << session.bestScore << ", "
              << session.optionSwitches << " option switches; heap " << early.heapBytes << " -> "
              << late.heapBytes << " bytes, resident " << early.residentKiB << " -> " << late.residentKiB
              << " KiB\n";
}

} // namespace
} // namespace vexel::testsupport
