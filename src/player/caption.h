#pragma once

#include <string>

namespace vexel::caption {

inline constexpr const char* Initial = "Vexel: 0 points";
inline constexpr const char* Startup = "Vexel: Paused (press Enter to play) with 0 points";

// " 12": the blank stands where a sign would, and puts the one space between
// the word before and the number.
std::string numberText(int value);

std::string running(int score);
std::string levelSuffix(int level);
std::string paused(int score);
// The running caption with the level appended when the option asks for it.
std::string runningWithLevel(int score, int level, bool showLevel);

} // namespace vexel::caption
