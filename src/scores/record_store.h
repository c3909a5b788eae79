#pragma once

#include "scores/atomic_file.h"

#include <optional>
#include <string>
#include <string_view>

namespace vexel::scores {

struct LoadResult {
    enum class Status {
        Loaded,
        Missing, // nothing there yet: the game creates it
        NoTable, // read, but holding no table; the next save replaces it
        // Something stands there that could not be read: not a regular
        // file, a permission, a link loop, a link to nothing, an I/O error.
        // The game never writes over it.
        Unreadable,
    };
    Status status = Status::Missing;
    std::string table;
    // Why the records could not be read (Unreadable only).
    std::string error;
};

struct SaveResult {
    enum class Status { Saved, Unreadable, Failed };
    Status status = Status::Saved;
    // The table merged with what was stored: what the store holds now, or
    // would hold had the save gone through.
    std::string table;
    // Unreadable: why the stored records could not be read, so nothing was
    // written.
    std::string error;
    // Failed: the step that failed and the system's reason.
    std::optional<WriteFailure> failure;
};

// Where the game keeps its records between runs. Other copies of the game
// may share them, so a save never simply overwrites: it merges the table
// into what is stored at that moment (see mergeTables), and the game takes
// the result as its own. Tests hand the game a store in memory.
class RecordStore {
public:
    virtual ~RecordStore() = default;

    virtual LoadResult load() const = 0;
    // On failure nothing stored has changed. provisional: the table this
    // game saved before its record's holder had a name (mergeTables).
    SaveResult save(std::string_view table, std::string_view provisional = {})
    {
        return store(table, provisional);
    }
    // Names the store in messages to the player: the file's path.
    virtual std::string where() const = 0;

protected:
    virtual SaveResult store(std::string_view table, std::string_view provisional) = 0;
};

} // namespace vexel::scores
