#include "scores/score_file.h"

#include "scores/atomic_file.h"
#include "scores/file_descriptor.h"
#include "scores/score_format.h"
#include "scores/score_table.h"
#include "ui/texts.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexel::scores {

namespace {

LoadResult unreadable(std::string error)
{
    LoadResult result;
    result.status = LoadResult::Status::Unreadable;
    result.error = std::move(error);
    return result;
}

std::string notARegularFile(mode_t mode)
{
    // Whole phrases, so that each language can say them its own way.
    if (S_ISDIR(mode))
        return translate("Records", "not a regular file but a folder");
    if (S_ISFIFO(mode))
        return translate("Records", "not a regular file but a named pipe");
    if (S_ISSOCK(mode))
        return translate("Records", "not a regular file but a socket");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return translate("Records", "not a regular file but a device");
    return translate("Records", "not a regular file but something else");
}

// The file a path comes to: the path itself, or what a symbolic link there
// names, through any number of links.
struct Target {
    std::string path;
    // Why nothing there may be read or written; empty when all is well.
    std::string unreadable;
};

Target resolve(const std::string& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        // Missing, or under a "folder" that is a file: nothing to read, and
        // a save creates the file or fails on the way.
        if (errno == ENOENT || errno == ENOTDIR)
            return {path, {}};
        return {path, std::strerror(errno)};
    }
    if (!S_ISLNK(info.st_mode))
        return {path, {}};
    // A loop ends in ELOOP after the kernel's own bound.
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr)
        return {path, errno == ENOENT || errno == ENOTDIR
                          ? translate("Records", "a symbolic link to a file that does not exist")
                          : std::strerror(errno)};
    Target target{real, {}};
    std::free(real);
    return target;
}

// Reads the records of a resolved target; info gets the file's status.
LoadResult readTarget(const Target& target, struct stat& info)
{
    if (!target.unreadable.empty())
        return unreadable(target.unreadable);
    // Looked at before it is opened: opening a device may have effects of
    // its own.
    if (::stat(target.path.c_str(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return {};
        return unreadable(std::strerror(errno));
    }
    if (!S_ISREG(info.st_mode))
        return unreadable(notARegularFile(info.st_mode));
    // Non-blocking, so that a FIFO put in place meanwhile cannot hang the
    // game; it is turned away below.
    FileDescriptor fd(::open(target.path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!fd.valid())
        return errno == ENOENT ? LoadResult{} : unreadable(std::strerror(errno));
    if (::fstat(fd.get(), &info) != 0)
        return unreadable(std::strerror(errno));
    if (!S_ISREG(info.st_mode))
        return unreadable(notARegularFile(info.st_mode));

    std::string content(MaxLineBytes, '\0');
    std::size_t filled = 0;
    while (filled < content.size()) {
        const ssize_t got = ::read(fd.get(), content.data() + filled, content.size() - filled);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return unreadable(std::strerror(errno));
        }
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
        if (content.find_first_of("\r\n", filled - static_cast<std::size_t>(got)) < filled)
            break;
    }
    content.resize(filled);

    LoadResult result;
    std::optional<std::string> table = tableFromContent(content);
    if (!table) {
        result.status = LoadResult::Status::NoTable;
        return result;
    }
    result.status = LoadResult::Status::Loaded;
    result.table = std::move(*table);
    return result;
}

} // namespace

LoadResult ScoreFile::load() const
{
    struct stat info {};
    return readTarget(resolve(path_), info);
}

SaveResult ScoreFile::store(std::string_view table, std::string_view provisional)
{
    SaveResult result;
    result.table = table;
    auto failed = [&result](WriteFailure failure) {
        result.status = SaveResult::Status::Failed;
        result.failure = failure;
        return result;
    };

    const Target target = resolve(path_);
    struct stat info {};
    // Nothing is made beside what cannot be read, not even the lock.
    LoadResult stored = readTarget(target, info);
    std::optional<FileDescriptor> lock;
    if (stored.status != LoadResult::Status::Unreadable) {
        // The lock file lives beside the records, so their folder comes first.
        std::string unmade;
        if (const int error = makeFolders(parentOf(target.path), &unmade))
            return failed({WriteStep::CreateFolder, error, unmade});
        if (const int error = lockBeside(target.path, lock))
            return failed(failureIn(parentOf(target.path), WriteStep::Lock, error));
        // Read again under the lock: another copy of the game may have
        // saved a record since this one last looked.
        stored = readTarget(target, info);
    }
    if (stored.status == LoadResult::Status::Unreadable) {
        result.status = SaveResult::Status::Unreadable;
        result.error = stored.error;
        return result;
    }
    if (stored.status == LoadResult::Status::Loaded)
        result.table = mergeTables(stored.table, table, provisional);

    std::optional<FileAttributes> keep;
    if (stored.status != LoadResult::Status::Missing) {
        // A file that its owner, or this player, may not write stays as it
        // is, though its folder would let the game replace it.
        if ((info.st_mode & S_IWUSR) == 0)
            return failed({WriteStep::ReadOnly, EACCES});
        if (::faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0)
            return failed({WriteStep::ReadOnly, errno});
        keep = FileAttributes{info.st_mode, info.st_uid, info.st_gid};
    }
    if (const auto failure = replaceFile(target.path, fileContent(result.table), keep))
        return failed(*failure);
    return result;
}

} // namespace vexel::scores
