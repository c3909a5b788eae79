#pragma once

#include "replay/replay.h"
#include "replay/replay_format.h"

#include <iosfwd>
#include <map>
#include <string>
#include <string_view>

namespace vexel {
class GameOverWarnings;
}

namespace vexel::replay {

// The replays live in a folder "replays" beside the records file: by
// default $XDG_DATA_HOME/vexel/replays.
std::string replaysFolderFor(const std::string& scoresPath);

// "last", "best-4way" and "best-2way" name the kept replays in the folder;
// anything else is a path as it stands.
std::string replayPath(std::string_view nameOrPath, const std::string& folder);

// Keeps the lost games: every one as last.vxr, and one that beat its
// mode's record also as best-4way.vxr or best-2way.vxr. Each file is
// replaced whole or not at all; a failure is reported and play goes on:
// on the diagnostics every time, and to the player in the game over's box
// once, until that file has been written again.
class ReplayFolder {
public:
    ReplayFolder(std::string folder, std::ostream& diagnostics, GameOverWarnings* warnings = nullptr);

    void keep(const Replay& game, bool setRecord);
    const std::string& folder() const { return folder_; }

private:
    // The line for the player when the file could not be written.
    std::string write(const std::string& name, const std::string& text);

    std::string folder_;
    std::ostream& diagnostics_;
    GameOverWarnings* warnings_;
    // Each file's failure the player has been told of, by path.
    std::map<std::string, std::string> told_;
};

struct FileReadResult : ReadResult {
    // Set when there is no replay: what is wrong, without the path that
    // the error names.
    std::string reason;
    // No file stands at the path.
    bool missing = false;
};

// Reads and checks a replay file, reading no more than a replay can hold.
// The error names the path.
FileReadResult loadReplayFile(const std::string& path);

// What a player is told, in place of the replay named by nameOrPath (read
// from path), when it cannot be watched: that there is nothing to watch
// yet, when a kept replay is not there, or else the file and the reason.
struct Unwatchable {
    std::string text;
    bool nothingYet;
};
Unwatchable unwatchable(std::string_view nameOrPath, const std::string& path, const FileReadResult& failure);

// The status `vexel --verify` exits with.
inline constexpr int VerifyMatches = 0;
inline constexpr int VerifyDiffers = 1;
inline constexpr int VerifyUnreadable = 2;

// Plays the file with no window and prints "score N, level L, 4-way,
// T ticks" for the game it came to; a file that cannot be read prints
// nothing there. Reasons go to err.
int verifyReplayFile(const std::string& path, std::ostream& out, std::ostream& err);
// The same for a replay already read; name says where it came from.
int verifyReplay(const ReadResult& read, const std::string& name, std::ostream& out, std::ostream& err);

} // namespace vexel::replay
