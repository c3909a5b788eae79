#pragma once

#include <string>

class QWidget;

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

// Plays the replay as watchReplay does, but in a window of its own beside
// the game's, and returns that window. When its end box is closed, or the
// viewer closes it, the window goes and takes the replay with it; the
// program goes on. The owner's window carries it: closing the owner's
// window ends the program even while a replay is shown, and deleting the
// owner deletes the replay's window.
GameWindow* openReplayWindow(const replay::Replay& replay, QWidget& owner, bool autoPause);

} // namespace vexel::qt
