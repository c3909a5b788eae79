#include "history/problem.h"

#include "ui/texts.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace vexel::history {

namespace {

constexpr char Magic[] = "SQLite format 3";

std::uint32_t bigEndian(const unsigned char* bytes, int count)
{
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i)
        value = (value << 8) | bytes[i];
    return value;
}

Problem problem(Problem::Kind kind, std::string detail = {})
{
    return Problem{kind, std::move(detail)};
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
    Inspection inspection;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        // A link to nothing is the player's, not a place to make a history.
        if (errno == ENOENT && ::lstat(path.c_str(), &info) == 0)
            inspection.problem =
                problem(Problem::Kind::Unreadable, translate("History", "a link to nothing"));
        else if (errno == ENOENT)
            inspection.missing = true;
        else
            inspection.problem = problem(Problem::Kind::Unreadable, std::strerror(errno));
    } else if (!S_ISREG(info.st_mode)) {
        inspection.problem = problem(Problem::Kind::Unreadable, translate("History", "not a regular file"));
    } else if (::access(path.c_str(), R_OK) != 0) {
        inspection.problem = problem(Problem::Kind::Unreadable, std::strerror(errno));
    } else if (forWriting && ::access(path.c_str(), W_OK) != 0) {
        // Told before SQLite opens a file it could then only read.
        inspection.problem = problem(Problem::Kind::ReadOnly);
    }
    return inspection;
}

std::optional<Problem> judgeHeader(const unsigned char* header, std::size_t length, std::uint64_t fileSize,
                                   bool logPending)
{
    // An empty file too: the game never leaves one, since it makes its
    // history elsewhere and moves it in whole.
    if (length < HeaderBytes || std::memcmp(header, Magic, sizeof Magic) != 0)
        return problem(Problem::Kind::Foreign);
    if (bigEndian(&header[68], 4) != ApplicationId)
        return problem(Problem::Kind::Foreign);
    // The game's history is always in WAL mode; a rollback journal beside
    // any other file would be played back into it on opening.
    if (header[18] != 2 || header[19] != 2)
        return problem(Problem::Kind::Foreign);
    if (bigEndian(&header[60], 4) > static_cast<std::uint32_t>(SchemaVersion))
        return problem(Problem::Kind::Newer);

    std::uint64_t pageSize = bigEndian(&header[16], 2);
    if (pageSize == 1)
        pageSize = 65536;
    if (pageSize < 512 || pageSize > 65536 || (pageSize & (pageSize - 1)) != 0 || fileSize % pageSize != 0)
        return problem(Problem::Kind::Damaged, translate("History", "its size does not fit its pages"));
    // The page count is trusted only when the header says it is current,
    // and only with no log waiting to be folded in: while another copy
    // folds it (or after it was killed doing so) the first page may
    // already tell of pages the file does not have yet.
    const bool countValid = !logPending && bigEndian(&header[24], 4) == bigEndian(&header[92], 4);
    if (countValid && bigEndian(&header[28], 4) * pageSize > fileSize)
        return problem(Problem::Kind::Damaged, translate("History", "it is shorter than its pages"));
    return std::nullopt;
}

} // namespace vexel::history
