// The seam every player-visible text passes through: English as the game
// always wrote it, and placeholders filled once. A translation swapped in is
// seen whole in the window's own language test.

#include "ui/texts.h"

#include <gtest/gtest.h>

namespace vexel {
namespace {

TEST(TextsTest, EnglishSettlesTheCountAndItsPlural)
{
    const std::tuple<const char*, int, const char*> cases[] = {
        {"Vexel: %n point(s)", 0, "Vexel: 0 points"},
        {"Vexel: %n point(s)", 1, "Vexel: 1 point"},
        {"Vexel: %n point(s)", 2, "Vexel: 2 points"},
        {"%n tick(s), %n tick(s)", 1, "1 tick, 1 tick"},
        // Without a count nothing is touched: "(s)" and "%n" may be meant.
        {"100%n (s)", -1, "100%n (s)"},
        {"no count here", 3, "no count here"},
    };
    for (const auto& [source, n, expected] : cases)
        EXPECT_EQ(english(source, n), expected) << source << " n=" << n;
}

TEST(TextsTest, FillReplacesEachPlaceOnceAndLeavesTheRest)
{
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"%2 before %1", "a", "b", "b before a"},
        // An argument that looks like a place is not filled again.
        {"%1 and %2", "%2", "x", "%2 and x"},
        {"%3 has no argument, 100% stays, so does %", "a", "b", "%3 has no argument, 100% stays, so does %"},
        {"%1%1", "ab", "", "abab"},
    };
    for (const auto& [pattern, first, second, expected] : cases)
        EXPECT_EQ(fill(pattern, {first, second}), expected) << pattern;
}

} // namespace
} // namespace vexel
