#pragma once

#include <string>

namespace vexel::replay {
struct Replay;
}

namespace vexel::qt {

class GameWindow;

// Plays the replay in the window until its end box is closed, then
// returns the application's exit status. The window shows the recorded
// game only; nothing the viewer does reaches it but Enter, which pauses
// and resumes the replay. No file is read or written.
int watchReplay(GameWindow& window, const replay::Replay& replay);

// Tells the viewer in a box why there is no replay to watch, and returns
// the exit status of a replay that cannot be read once the box is closed.
// A replay not kept yet is news, not a fault.
int tellUnwatchable(const std::string& text, bool nothingYet);

} // namespace vexel::qt
