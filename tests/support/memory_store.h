#pragma once

#include "scores/record_store.h"

#include <optional>
#include <string>

namespace vexel::testsupport {

// The records without a disk. It holds the bytes a file would hold and
// reads them with the file's own parser, so that what the game writes and
// reads back is checked byte for byte, as on disk.
class MemoryStore final : public scores::RecordStore {
public:
    // No value: there is no file yet.
    std::optional<std::string> bytes;
    // When set, every save fails this way and changes nothing.
    std::optional<scores::WriteFailure> failSaves;
    int saves = 0;

    scores::LoadResult load() const override;
    std::optional<scores::WriteFailure> save(std::string_view table) override;
    std::string where() const override { return "memory:vexel.ini"; }
};

} // namespace vexel::testsupport
