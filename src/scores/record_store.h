#pragma once

#include "scores/atomic_file.h"

#include <optional>
#include <string>
#include <string_view>

namespace vexel::scores {

struct LoadResult {
    enum class Status { Loaded, Missing, Unusable };
    Status status = Status::Missing;
    std::string table;
    // Why the records could not be read; empty when they merely held
    // nothing usable.
    std::string error;
};

// Where the game keeps its records between runs. The game needs only these
// two operations, so that tests can hand it a store in memory.
class RecordStore {
public:
    virtual ~RecordStore() = default;

    virtual LoadResult load() const = 0;
    // Replaces what is stored with the table. On failure nothing stored
    // has changed.
    virtual std::optional<WriteFailure> save(std::string_view table) = 0;
    // Names the store in messages to the player: the file's path.
    virtual std::string where() const = 0;
};

} // namespace vexel::scores
