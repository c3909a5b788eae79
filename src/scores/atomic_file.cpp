#include "scores/atomic_file.h"

#include "scores/file_descriptor.h"
#include "ui/texts.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexel::scores {

namespace {

std::string baseOf(const std::string& path)
{
    return path.substr(path.find_last_of('/') + 1);
}

int writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (written == 0)
            return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// ".vexel.ini.tmp-": hidden, and a form that no file of the player's has, so
// that clearing away the leftovers of killed saves can never take one.
std::string temporaryPrefix(const std::string& base)
{
    return "." + base + ".tmp-";
}

constexpr std::string_view SuffixLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t SuffixLength = 6; // as mkstemp's XXXXXX
// A temporary this old belongs to no save still running.
constexpr time_t StaleSeconds = 60;

bool isTemporaryOf(std::string_view entry, const std::string& prefix)
{
    return entry.size() == prefix.size() + SuffixLength && entry.substr(0, prefix.size()) == prefix &&
           entry.substr(prefix.size()).find_first_not_of(SuffixLetters) == std::string_view::npos;
}

// Gives an unnamed temporary file a name beside the target, so that it can
// be renamed over it.
int nameTemporary(int fd, const std::string& path, std::string& name)
{
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    std::random_device entropy;
    for (int attempt = 0; attempt < 16; ++attempt) {
        name = parentOf(path) + '/' + temporaryPrefix(baseOf(path));
        for (std::size_t i = 0; i < SuffixLength; ++i)
            name += SuffixLetters[entropy() % SuffixLetters.size()];
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return 0;
        if (errno != EEXIST)
            break;
    }
    const int error = errno;
    name.clear();
    return error;
}

// One step of makeFolders: the parents first, naming the first folder
// that could not be made.
int makeFolder(const std::string& folder, std::string* failed)
{
    struct stat info {};
    if (::stat(folder.c_str(), &info) == 0)
        return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
    if (errno != ENOENT)
        return errno;
    const std::string parent = parentOf(folder);
    if (parent != folder) {
        if (const int error = makeFolders(parent, failed))
            return error;
    }
    if (::mkdir(folder.c_str(), 0700) == 0)
        return 0;
    // Made meanwhile by someone else, or a link to nowhere, which mkdir
    // does not follow and which must not count as a folder.
    const int error = errno;
    if (error != EEXIST)
        return error;
    if (::stat(folder.c_str(), &info) != 0)
        return errno;
    return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
}

} // namespace

void removeStaleTemporaries(const std::string& folder, const std::string& path)
{
    const std::string prefix = temporaryPrefix(baseOf(path));
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return;
    const time_t now = ::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTemporaryOf(entry->d_name, prefix))
            continue;
        const std::string leftover = folder + "/" + entry->d_name;
        struct stat info {};
        if (::lstat(leftover.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            now - info.st_mtime > StaleSeconds)
            ::unlink(leftover.c_str());
    }
    ::closedir(dir);
}

std::string parentOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

int makeFolders(const std::string& folder, std::string* failed)
{
    const int error = makeFolder(folder, failed);
    if (error != 0 && failed != nullptr && failed->empty())
        *failed = folder;
    return error;
}

int lockBeside(const std::string& path, std::optional<FileDescriptor>& lock)
{
    const std::string name = parentOf(path) + "/." + baseOf(path) + ".lock";
    constexpr int Flags = O_CLOEXEC | O_NOFOLLOW | O_NOCTTY;
    int fd = ::open(name.c_str(), O_RDWR | O_CREAT | Flags, 0666);
    // Someone else's lock file, as with records shared by a group: a
    // descriptor for reading locks it just as well.
    if (fd < 0 && errno == EACCES) {
        fd = ::open(name.c_str(), O_RDONLY | Flags);
        if (fd < 0)
            return errno == ENOENT ? EACCES : errno;
    }
    if (fd < 0)
        return errno;
    FileDescriptor held(fd);
    while (::flock(held.get(), LOCK_EX) != 0) {
        if (errno != EINTR)
            return errno;
    }
    lock.emplace(std::move(held));
    return 0;
}

WriteFailure failureIn(const std::string& folder, WriteStep step, int error)
{
    // The reason alone does not tell a folder the player may not write from
    // a file in it that someone else owns; the folder's own permission does.
    const bool refused = (error == EACCES || error == EPERM || error == EROFS) &&
                         ::faccessat(AT_FDCWD, folder.c_str(), W_OK, AT_EACCESS) != 0;
    return WriteFailure{step, error, refused ? folder : std::string()};
}

std::string describe(const WriteFailure& failure)
{
    if (failure.step == WriteStep::CreateFolder && !failure.folder.empty())
        return fill(translate("SaveFolder", "the folder %1 cannot be made: %2"),
                    {failure.folder, std::strerror(failure.error)});
    if (!failure.folder.empty())
        return fill(translate("Records", "the folder %1 cannot be written: %2"),
                    {failure.folder, std::strerror(failure.error)});
    // In the order of WriteStep.
    static constexpr const char* Steps[] = {"create folder", "lock",   "file not writable", "open", "write",
                                            "fsync",         "rename", "folder fsync"};
    return std::string(Steps[static_cast<std::size_t>(failure.step)]) + ": " + std::strerror(failure.error);
}

std::optional<WriteFailure> replaceFile(const std::string& path, std::string_view bytes,
                                        const std::optional<FileAttributes>& keep)
{
    const std::string folder = parentOf(path);
    std::string unmade;
    if (const int error = makeFolders(folder, &unmade))
        return WriteFailure{WriteStep::CreateFolder, error, unmade};

    // Written without a name where the file system allows it, so that a
    // program killed while saving leaves nothing behind; named only for the
    // rename (which goes through /proc). Elsewhere a named temporary does
    // the same job.
    std::string temporary;
    bool named = false;
    int raw = ::access("/proc/self/fd", F_OK) == 0
                  ? ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0644)
                  : -1;
    if (raw < 0) {
        temporary = folder + '/' + temporaryPrefix(baseOf(path)) + "XXXXXX";
        raw = ::mkostemp(temporary.data(), O_CLOEXEC);
        if (raw < 0)
            return failureIn(folder, WriteStep::Open, errno);
        named = true;
    }
    FileDescriptor fd(raw);

    auto fail = [&temporary, &folder](WriteStep step, int error) {
        if (!temporary.empty())
            ::unlink(temporary.c_str());
        return step == WriteStep::Open ? failureIn(folder, step, error) : WriteFailure{step, error};
    };

    // Only root may give a file away; chown comes before chmod, which it
    // could otherwise undo.
    if (keep && ::geteuid() == 0 && ::fchown(fd.get(), keep->owner, keep->group) != 0)
        return fail(WriteStep::Open, errno);
    // mkstemp makes the file private; records are not secret, unless the
    // player has made them so.
    if ((keep || named) && ::fchmod(fd.get(), keep ? keep->mode & 0777 : 0644) != 0)
        return fail(WriteStep::Open, errno);
    if (const int error = writeAll(fd.get(), bytes))
        return fail(WriteStep::Write, error);
    if (::fsync(fd.get()) != 0)
        return fail(WriteStep::Fsync, errno);
    if (!named) {
        if (const int error = nameTemporary(fd.get(), path, temporary))
            return fail(WriteStep::Open, error);
    }
    // On some file systems a deferred write error only shows at close.
    if (fd.close() != 0)
        return fail(WriteStep::Write, errno);
    if (::rename(temporary.c_str(), path.c_str()) != 0)
        return fail(WriteStep::Rename, errno);

    removeStaleTemporaries(folder, path);
    // The rename is only durable once the folder itself reaches the disk.
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir.valid())
        return WriteFailure{WriteStep::FolderFsync, errno};
    // EINVAL: a file system that cannot sync folders has nothing to flush.
    if (::fsync(dir.get()) != 0 && errno != EINVAL)
        return WriteFailure{WriteStep::FolderFsync, errno};
    return std::nullopt;
}

} // namespace vexel::scores
