#pragma once

#include "scores/atomic_file.h"
#include "scores/record_store.h"

#include <optional>
#include <string>

namespace vexel::testsupport {

// The records without a disk. It holds the bytes a file would hold, reads
// them with the file's own parser and merges saves as the file does, so
// that what the game writes and reads back is checked byte for byte, as on
// disk.
class MemoryStore final : public scores::RecordStore {
public:
    // No value: there is no file yet.
    std::optional<std::string> bytes;
    // When set, every save fails this way and changes nothing.
    std::optional<scores::WriteFailure> failSaves;
    // When set, the records cannot be read, for this reason: loads say so,
    // and saves write nothing.
    std::optional<std::string> unreadable;
    int saves = 0;

    scores::LoadResult load() const override;
    std::string where() const override { return "memory:vexel.ini"; }

protected:
    scores::SaveResult store(std::string_view table, std::string_view provisional) override;
};

} // namespace vexel::testsupport
