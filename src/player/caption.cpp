#include "player/caption.h"

#include "ui/texts.h"

namespace vexel::caption {

// Each caption is one text with its count, so that a language can put the
// number where it belongs and pick the plural form the number asks for.

std::string running(int score)
{
    return translate("Caption", "Vexel: %n point(s)", nullptr, score);
}

std::string levelSuffix(int level)
{
    return fill(translate("Caption", " at Level %1"), {std::to_string(level)});
}

std::string paused(int score)
{
    return translate("Caption", "Vexel: Paused (press Enter to play) with %n point(s)", nullptr, score);
}

std::string runningWithLevel(int score, int level, bool showLevel)
{
    std::string text = running(score);
    if (showLevel)
        text += levelSuffix(level);
    return text;
}

} // namespace vexel::caption
