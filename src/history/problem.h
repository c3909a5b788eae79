#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vexel::history {

// Why the history could not be read or written. Whatever it is, the file
// at the path is left as it was.
struct Problem {
    enum class Kind {
        Unreadable, // the path cannot be read: permissions, not a file
        Foreign,    // a file that is not a history of this game
        Damaged,
        Newer,    // a history from a newer version of the game
        ReadOnly, // the file may not be written
        Failed,   // the write itself failed: a full disk, another copy holding it too long
    };
    Kind kind;
    // The system's or SQLite's own words, where they add something.
    std::string detail;
    bool operator==(const Problem&) const = default;
};

// Marks the file as this game's history, so that no other SQLite database
// put at the path is ever written: "VXLH".
inline constexpr std::uint32_t ApplicationId = 0x56584C48;
// The layout of the tables this version of the game reads and writes.
inline constexpr int SchemaVersion = 2;

// What stands at the path, found without opening it: nothing, something
// that cannot be read (or, for writing, written), or a file to look into.
struct Inspection {
    bool missing = false;
    std::optional<Problem> problem;
};

Inspection inspect(const std::string& path, bool forWriting);

// Judges a file by its first 100 bytes (fewer when it is shorter) and its
// size, before SQLite reads or writes anything of it: SQLite would take an
// empty or foreign file for a database to write, and would roll back a
// journal it found beside one. Only the game's own history passes.
// logPending: a log (WAL) beside the file holds pages not yet in it.
std::optional<Problem> judgeHeader(const unsigned char* header, std::size_t length, std::uint64_t fileSize,
                                   bool logPending);
inline constexpr std::size_t HeaderBytes = 100;

// The history beside the records: "history.sqlite" in the same folder.
std::string historyPathFor(const std::string& scoresPath);

} // namespace vexel::history
