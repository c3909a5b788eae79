#pragma once

#include <string>
#include <string_view>

namespace vexel::scores {

// Where the records live unless the command line says otherwise:
// $XDG_DATA_HOME/vexel/vexel.ini, with $HOME/.local/share standing in for an
// unset, empty or relative XDG_DATA_HOME.
std::string defaultScoresPath();

// No score line is longer than this; anything past it is never read.
inline constexpr std::size_t MaxLineBytes = 4096;

// The bytes of the file for a table: the table in quotes, then CR LF.
std::string fileContent(std::string_view table);

// The table held in a file's bytes: the first line without its first and
// last character. Empty when the line has fewer than two characters.
std::string tableFromContent(std::string_view content, bool& usable);

struct LoadResult {
    enum class Status { Loaded, Missing, Unusable };
    Status status = Status::Missing;
    std::string table;
    // Why the file could not be read; empty when it merely held nothing usable.
    std::string error;
};

class ScoreFile {
public:
    explicit ScoreFile(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    LoadResult load() const;

    // Replaces the file atomically: on any failure the old file is left
    // byte for byte as it was and no temporary file remains. Returns an
    // empty text on success, otherwise the reason.
    std::string save(std::string_view table) const;

private:
    std::string path_;
};

} // namespace vexel::scores
