#pragma once

#include "scores/file_descriptor.h"

#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace vexel::scores {

// The step of a file replacement that failed.
enum class WriteStep {
    CreateFolder, // the missing folders on the way to the file
    Lock,         // the lock that keeps two saves apart
    ReadOnly,     // a file that may not be written is not replaced either
    Open,         // the temporary file beside it
    Write,
    Fsync,
    Rename, // the temporary over the file
    FolderFsync,
};

struct WriteFailure {
    WriteStep step;
    int error; // errno
    // Set when what failed is a new file in this folder, which may not be
    // written: the one thing there the player can mend; for CreateFolder,
    // the folder that could not be made.
    std::string folder = {};
    bool operator==(const WriteFailure&) const = default;
};

// The failure of a step that makes a new file in folder, naming the folder
// when it is the folder that refuses it.
WriteFailure failureIn(const std::string& folder, WriteStep step, int error);

// "write: No space left on device": the step, then the system's reason; or
// "the folder /x cannot be written: Permission denied", or "the folder /x
// cannot be made: Permission denied".
std::string describe(const WriteFailure& failure);

// What a replaced file keeps of the old one: its permission bits, and its
// owner and group when run as root (no one else may give a file away).
struct FileAttributes {
    mode_t mode;
    uid_t owner;
    gid_t group;
};

// The folder part of a path: "." for a bare name, "/" for one in the root.
std::string parentOf(const std::string& path);

// mkdir -p, for the data folder that a fresh account does not have yet.
// Returns 0 or the errno of the step that failed, with the folder that
// could not be made in `failed` when given.
int makeFolders(const std::string& folder, std::string* failed = nullptr);

// Takes an exclusive lock that keeps whoever else locks the same path out
// until the returned descriptor is closed, or the process ends. The lock is
// held on a hidden file beside it, ".NAME.lock", made on first use and left
// in place. Returns the errno when the lock cannot be had.
int lockBeside(const std::string& path, std::optional<FileDescriptor>& lock);

// A writer killed between making its temporary (".NAME.tmp-XXXXXX" in
// folder) and moving it into place leaves it behind; this removes such
// leftovers of path once they are a minute old, when no writer still
// running can own them.
void removeStaleTemporaries(const std::string& folder, const std::string& path);

// Replaces the file at path with bytes, so that at every moment the path
// holds either the old content or the new, whole: the bytes go into a
// temporary file in the same folder (".NAME.tmp-XXXXXX", a name no one
// else's file has), every write is checked, the file is synced, renamed
// over the old one, and the folder synced. Missing folders are created first
// (private to the user, as data folders are). A new file is readable by all
// (records are not secret); with keep, the file keeps those attributes. On
// any failure before the rename the old file is untouched and no temporary
// is left behind. Returns nothing on success.
std::optional<WriteFailure> replaceFile(const std::string& path, std::string_view bytes,
                                        const std::optional<FileAttributes>& keep = std::nullopt);

} // namespace vexel::scores
