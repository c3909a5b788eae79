#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vexel::scores {

// The step of a file replacement that failed.
enum class WriteStep {
    CreateFolder, // the missing folders on the way to the file
    Open,         // the temporary file beside it
    Write,
    Fsync,
    Rename, // the temporary over the file
    FolderFsync,
};

struct WriteFailure {
    WriteStep step;
    int error; // errno
    bool operator==(const WriteFailure&) const = default;
};

// "write: No space left on device": the step, then the system's reason.
std::string describe(const WriteFailure& failure);

// Replaces the file at path with bytes, so that at every moment the path
// holds either the old content or the new, whole: the bytes go into a
// temporary file in the same folder, every write is checked, the file is
// synced, renamed over the old one, and the folder synced. Missing folders
// are created first (private to the user, as data folders are). On any
// failure before the rename the old file is untouched and no temporary is
// left behind. Returns nothing on success.
std::optional<WriteFailure> replaceFile(const std::string& path, std::string_view bytes);

} // namespace vexel::scores
