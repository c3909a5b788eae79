#include "player/caption.h"

namespace vexel::caption {

std::string numberText(int value)
{
    return " " + std::to_string(value);
}

namespace {
std::string points(int score)
{
    return numberText(score) + (score == 1 ? " point" : " points");
}
} // namespace

std::string running(int score)
{
    return "Vexel:" + points(score);
}

std::string levelSuffix(int level)
{
    return " at Level" + numberText(level);
}

std::string paused(int score)
{
    return "Vexel: Paused (press Enter to play) with" + points(score);
}

std::string runningWithLevel(int score, int level, bool showLevel)
{
    std::string text = running(score);
    if (showLevel)
        text += levelSuffix(level);
    return text;
}

} // namespace vexel::caption
