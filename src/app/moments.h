#pragma once

namespace vexel {

// The moments of a game that reach the player by more than the board: the
// sounds, a controller's rumble. Told as they happen, inside the handler
// that makes them; a listener only takes note and must not call back into
// the game or open a dialog.
enum class Moment {
    GunFired,  // with the gun's index, 0 to 43
    Scored,    // a bullet left the board
    NewLevel,  // the score raised the level
    Lost,      // the player was hit, before any of the game-over dialogs
    NewRecord, // the record holder's name is about to be asked
};

class MomentListener {
public:
    virtual ~MomentListener() = default;
    // gun is the gun's index for GunFired, -1 otherwise.
    virtual void moment(Moment what, int gun) = 0;
};

} // namespace vexel
