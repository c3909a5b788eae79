#include "scores/score_file.h"

#include "scores/score_table.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace vexel::scores {

namespace {

std::string reason(int error)
{
    return std::strerror(error);
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

// mkdir -p, for the data folder that a fresh account does not have yet.
int makeFolders(const std::string& folder)
{
    struct stat info {};
    if (::stat(folder.c_str(), &info) == 0)
        return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
    if (errno != ENOENT)
        return errno;
    const std::string parent = parentOf(folder);
    if (parent != folder) {
        if (const int error = makeFolders(parent))
            return error;
    }
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return errno;
    return 0;
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

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int close()
    {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

} // namespace

std::string defaultScoresPath()
{
    std::string base;
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/') {
        base = dataHome;
    } else {
        const char* home = std::getenv("HOME");
        std::string homeDir = home && home[0] ? home : "";
        if (homeDir.empty()) {
            if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
                homeDir = entry->pw_dir;
        }
        base = homeDir + "/.local/share";
    }
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    return base + "/vexel/vexel.ini";
}

std::string fileContent(std::string_view table)
{
    std::string content;
    content.reserve(table.size() + 4);
    content += '"';
    content += table;
    content += "\"\r\n";
    return content;
}

std::string tableFromContent(std::string_view content, bool& usable)
{
    const std::size_t end = content.find_first_of("\r\n");
    const std::string_view line = content.substr(0, end);
    usable = charCount(line) >= 2;
    return usable ? withoutFirstAndLast(line) : std::string();
}

LoadResult ScoreFile::load() const
{
    LoadResult result;
    // Non-blocking, so that a FIFO standing where the file should be cannot
    // hang start-up; it is turned away below as not a regular file.
    Fd fd(::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            result.status = LoadResult::Status::Missing;
            return result;
        }
        result.status = LoadResult::Status::Unusable;
        result.error = reason(errno);
        return result;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        result.status = LoadResult::Status::Unusable;
        result.error = "not a regular file";
        return result;
    }

    std::string content(MaxLineBytes, '\0');
    std::size_t filled = 0;
    while (filled < content.size()) {
        const ssize_t got = ::read(fd.get(), content.data() + filled, content.size() - filled);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            result.status = LoadResult::Status::Unusable;
            result.error = reason(errno);
            return result;
        }
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
        if (content.find_first_of("\r\n", filled - static_cast<std::size_t>(got)) < filled)
            break;
    }
    content.resize(filled);

    bool usable = false;
    result.table = tableFromContent(content, usable);
    result.status = usable ? LoadResult::Status::Loaded : LoadResult::Status::Unusable;
    return result;
}

namespace {

constexpr std::string_view SuffixLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t SuffixLength = 6; // as mkstemp's XXXXXX
// A temporary this old belongs to no save still running.
constexpr time_t StaleSeconds = 60;

bool isTemporaryOf(std::string_view entry, std::string_view base)
{
    if (entry.size() != base.size() + 1 + SuffixLength || entry.substr(0, base.size()) != base ||
        entry[base.size()] != '.')
        return false;
    return entry.substr(base.size() + 1).find_first_not_of(SuffixLetters) == std::string_view::npos;
}

// A save killed between creating its temporary and renaming it leaves the
// temporary behind; the next good save clears such leftovers away.
void removeStaleTemporaries(const std::string& folder, const std::string& path)
{
    const std::string base = path.substr(path.find_last_of('/') + 1);
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return;
    const time_t now = ::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTemporaryOf(entry->d_name, base))
            continue;
        const std::string leftover = folder + "/" + entry->d_name;
        struct stat info {};
        if (::lstat(leftover.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            now - info.st_mtime > StaleSeconds)
            ::unlink(leftover.c_str());
    }
    ::closedir(dir);
}

// Gives an unnamed temporary file a name beside the score file, so that it
// can be renamed over it.
int nameTemporary(int fd, const std::string& path, std::string& name)
{
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    std::random_device entropy;
    for (int attempt = 0; attempt < 16; ++attempt) {
        name = path + '.';
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

} // namespace

std::string ScoreFile::save(std::string_view table) const
{
    const std::string folder = parentOf(path_);
    if (const int error = makeFolders(folder))
        return reason(error);

    // Written without a name where the file system allows it, so that a
    // game killed while saving leaves nothing behind; named only for the
    // rename (which goes through /proc). Elsewhere a named temporary does
    // the same job.
    std::string temporary;
    bool named = false;
    int raw = ::access("/proc/self/fd", F_OK) == 0
                  ? ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0644)
                  : -1;
    if (raw < 0) {
        temporary = path_ + ".XXXXXX";
        raw = ::mkostemp(temporary.data(), O_CLOEXEC);
        if (raw < 0)
            return reason(errno);
        named = true;
    }
    Fd fd(raw);

    auto fail = [&temporary](int error) {
        if (!temporary.empty())
            ::unlink(temporary.c_str());
        return reason(error);
    };

    // mkstemp makes the file private; records are not secret.
    if (named && ::fchmod(fd.get(), 0644) != 0)
        return fail(errno);
    if (const int error = writeAll(fd.get(), fileContent(table)))
        return fail(error);
    if (::fsync(fd.get()) != 0)
        return fail(errno);
    if (!named) {
        if (const int error = nameTemporary(fd.get(), path_, temporary))
            return fail(error);
    }
    if (fd.close() != 0)
        return fail(errno);
    if (::rename(temporary.c_str(), path_.c_str()) != 0)
        return fail(errno);

    // The rename is only durable once the folder itself reaches the disk.
    Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
    removeStaleTemporaries(folder, path_);
    return {};
}

} // namespace vexel::scores
