#pragma once

#include <string>

namespace vexel::caption {

// The two captions a game begins with, in English: running(0) and paused(0)
// give them in the player's language.
inline constexpr const char* Initial = "Vexel: 0 points";
inline constexpr const char* Startup = "Vexel: Paused (press Enter to play) with 0 points";

std::string running(int score);
std::string levelSuffix(int level);
std::string paused(int score);
// The running caption with the level appended when the option asks for it.
std::string runningWithLevel(int score, int level, bool showLevel);

} // namespace vexel::caption
