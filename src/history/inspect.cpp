#include "history/problem.h"

#include "scores/file_descriptor.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexel::history {

namespace {

constexpr std::size_t HeaderBytes = 100;
constexpr char Magic[] = "SQLite format 3";

std::uint32_t bigEndian(const unsigned char* bytes, int count)
{
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i)
        value = (value << 8) | bytes[i];
    return value;
}

Inspection found(Problem::Kind kind, std::string detail = {})
{
    Inspection inspection;
    inspection.problem = Problem{kind, std::move(detail)};
    return inspection;
}

} // namespace

std::string historyPathFor(const std::string& scoresPath)
{
    const std::size_t slash = scoresPath.find_last_of('/');
    if (slash == std::string::npos)
        return "history.sqlite";
    return scoresPath.substr(0, slash + 1) + "history.sqlite";
}

Inspection inspect(const std::string& path, bool forWriting)
{
    // Non-blocking, so that a FIFO at the path cannot hang the game.
    scores::FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!fd.valid()) {
        if (errno == ENOENT) {
            Inspection none;
            none.missing = true;
            return none;
        }
        return found(Problem::Kind::Unreadable, std::strerror(errno));
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return found(Problem::Kind::Unreadable, std::strerror(errno));
    if (!S_ISREG(info.st_mode))
        return found(Problem::Kind::Unreadable, "not a regular file");

    std::array<unsigned char, HeaderBytes> header{};
    std::size_t filled = 0;
    while (filled < header.size()) {
        const ssize_t got = ::read(fd.get(), header.data() + filled, header.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return found(Problem::Kind::Unreadable, std::strerror(errno));
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    // An empty file too: SQLite would take it for a new database, but the
    // game never leaves one (it makes its history elsewhere and moves it in
    // whole), so someone else put it there.
    if (filled < HeaderBytes || std::memcmp(header.data(), Magic, sizeof Magic) != 0)
        return found(Problem::Kind::Foreign);
    if (bigEndian(&header[68], 4) != ApplicationId)
        return found(Problem::Kind::Foreign);
    // The game's history is always in WAL mode; a rollback journal beside
    // any other file would be played back into it on opening.
    if (header[18] != 2 || header[19] != 2)
        return found(Problem::Kind::Foreign);
    if (bigEndian(&header[60], 4) > static_cast<std::uint32_t>(SchemaVersion))
        return found(Problem::Kind::Newer);

    std::uint64_t pageSize = bigEndian(&header[16], 2);
    if (pageSize == 1)
        pageSize = 65536;
    const auto size = static_cast<std::uint64_t>(info.st_size);
    if (pageSize < 512 || pageSize > 65536 || (pageSize & (pageSize - 1)) != 0 || size % pageSize != 0)
        return found(Problem::Kind::Damaged, "its size does not fit its pages");
    // The page count is trusted only when the header says it is current.
    const bool countValid = bigEndian(&header[24], 4) == bigEndian(&header[92], 4);
    if (countValid && bigEndian(&header[28], 4) * pageSize > size)
        return found(Problem::Kind::Damaged, "it is shorter than its pages");

    // Root may write anything; everyone else is told before SQLite opens a
    // file it could then only read.
    if (forWriting && ::access(path.c_str(), W_OK) != 0)
        return found(Problem::Kind::ReadOnly, std::strerror(errno));
    return {};
}

} // namespace vexel::history
