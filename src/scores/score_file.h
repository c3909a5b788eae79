#pragma once

#include "scores/record_store.h"

#include <string>

namespace vexel::scores {

// The records in their one-line file. A symbolic link at the path is
// followed: the file it names is read and replaced in its own folder, and
// the link stays.
class ScoreFile final : public RecordStore {
public:
    explicit ScoreFile(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    // Reads at most the first MaxLineBytes of a regular file. Anything else
    // at the path, and a link that leads nowhere, is reported as unreadable.
    LoadResult load() const override;
    std::string where() const override { return path_; }

protected:
    // Under a lock that other copies of the game take too: reads the file
    // again, merges, and replaces it atomically with its permission bits
    // kept. What could not be read is never replaced, nor is a file that
    // may not be written.
    SaveResult store(std::string_view table, std::string_view provisional) override;

private:
    std::string path_;
};

} // namespace vexel::scores
