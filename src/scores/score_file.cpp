#include "scores/score_file.h"

#include "scores/file_descriptor.h"
#include "scores/score_format.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexel::scores {

namespace {

LoadResult unusable(std::string error)
{
    LoadResult result;
    result.status = LoadResult::Status::Unusable;
    result.error = std::move(error);
    return result;
}

} // namespace

LoadResult ScoreFile::load() const
{
    // Non-blocking, so that a FIFO standing where the file should be cannot
    // hang start-up; it is turned away below as not a regular file.
    FileDescriptor fd(::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!fd.valid()) {
        if (errno == ENOENT || errno == ENOTDIR)
            return {};
        return unusable(std::strerror(errno));
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return unusable("not a regular file");

    std::string content(MaxLineBytes, '\0');
    std::size_t filled = 0;
    while (filled < content.size()) {
        const ssize_t got = ::read(fd.get(), content.data() + filled, content.size() - filled);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return unusable(std::strerror(errno));
        }
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
        if (content.find_first_of("\r\n", filled - static_cast<std::size_t>(got)) < filled)
            break;
    }
    content.resize(filled);

    std::optional<std::string> table = tableFromContent(content);
    if (!table)
        return unusable({});
    LoadResult result;
    result.status = LoadResult::Status::Loaded;
    result.table = std::move(*table);
    return result;
}

std::optional<WriteFailure> ScoreFile::save(std::string_view table)
{
    return replaceFile(path_, fileContent(table));
}

} // namespace vexel::scores
