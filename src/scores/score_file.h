#pragma once

#include "scores/record_store.h"

#include <string>

namespace vexel::scores {

// The records in their one-line file.
class ScoreFile final : public RecordStore {
public:
    explicit ScoreFile(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    // Reads at most the first MaxLineBytes of a regular file; anything else
    // at the path is left alone and reported as unusable.
    LoadResult load() const override;
    // Replaces the file atomically.
    std::optional<WriteFailure> save(std::string_view table) override;
    std::string where() const override { return path_; }

private:
    std::string path_;
};

} // namespace vexel::scores
