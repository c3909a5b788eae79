#pragma once

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

} // namespace vexel::qt
