// The seam every player-visible text passes through: English as the game
// always wrote it, placeholders filled once, and a translation swapped in for
// the whole program.

#include "player/caption.h"
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
        {"Vexel: %n point(s)", 9999, "Vexel: 9999 points"},
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
        {"%1 cannot be read: %2.", "/tmp/x", "no such file", "/tmp/x cannot be read: no such file."},
        {"%2 before %1", "a", "b", "b before a"},
        // An argument that looks like a place is not filled again.
        {"%1 and %2", "%2", "x", "%2 and x"},
        {"%3 has no argument, 100% stays, so does %", "a", "b", "%3 has no argument, 100% stays, so does %"},
        {"%1%1", "ab", "", "abab"},
    };
    for (const auto& [pattern, first, second, expected] : cases)
        EXPECT_EQ(fill(pattern, {first, second}), expected) << pattern;
}

// A stand-in translation that marks what it was asked.
class Marked final : public Texts {
public:
    std::string translate(const char* context, const char* source, const char*, int n) const override
    {
        return std::string("[") + context + "|" + source + "|" + std::to_string(n) + "]";
    }
};

TEST(TextsTest, CaptionsAskTheTextsInUseAndEnglishComesBack)
{
    const Marked marked;
    useTexts(&marked);
    const std::string running = caption::runningWithLevel(22, 3, true);
    const std::string paused = caption::paused(5);
    useTexts(nullptr);
    EXPECT_EQ(running, "[Caption|Vexel: %n point(s)|22][Caption| at Level 3|-1]");
    EXPECT_EQ(paused, "[Caption|Vexel: Paused (press Enter to play) with %n point(s)|5]");
    EXPECT_EQ(caption::runningWithLevel(22, 3, true), "Vexel: 22 points at Level 3");
    EXPECT_EQ(caption::running(0), caption::Initial);
    EXPECT_EQ(caption::paused(0), caption::Startup);
}

} // namespace
} // namespace vexel
