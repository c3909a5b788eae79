// One long game session from a fixed seed, checked after every single tick
// (the checks are listed in tests/support/play_session.cpp).

#include "game_fixture.h"
#include "play_session.h"

#include <chrono>
#include <iostream>

namespace vexel::test {
namespace {

TEST(Scenario, AHundredThousandTicksKeepEveryInvariant)
{
    const auto began = std::chrono::steady_clock::now();
    // The records stay in memory: the real file is the soak's business.
    testsupport::SessionPlan plan;
    plan.ticks = 100000;
    plan.gameSeed = 12345U;
    plan.scriptSeed = 20240611U;
    const testsupport::SessionResult session = testsupport::playSession(plan);

    EXPECT_EQ(session.breaches, 0) << session.firstBreach;
    EXPECT_EQ(session.diagnostics, "");
    // The session must have been a real one: many games, records, levels
    // above the first, and option switches along the way.
    EXPECT_GT(session.games, 20);
    EXPECT_GT(session.records, 2);
    EXPECT_GT(session.bestScore, 10);
    EXPECT_GT(session.optionSwitches, 50);
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    std::cout << "[ scenario ] " << session.ticks << " ticks, " << session.games << " games, "
              << session.records << " records, best score " << session.bestScore << ", "
              << session.optionSwitches << " option switches, " << seconds << " s\n";
}

} // namespace
} // namespace vexel::test
