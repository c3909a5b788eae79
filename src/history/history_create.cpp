// Making the history: aside, with the replays kept before it, and moved
// into place only whole.

#include "history/history_store.h"

#include "history/kept_replays.h"
#include "history/schema.h"
#include "scores/atomic_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace vexel::history {

std::optional<Problem> HistoryStore::create()
{
    const Inspection inspection = inspect(path_, false);
    if (!inspection.missing)
        return std::nullopt;
    const std::string folder = scores::parentOf(path_);
    if (const int error = scores::makeFolders(folder))
        return Problem{Problem::Kind::Failed, std::strerror(error)};
    // Made aside and moved in whole, so that no one ever finds half a
    // history at the path, and a file that appears there meanwhile wins.
    const std::string prefix = "." + path_.substr(path_.find_last_of('/') + 1) + ".tmp-";
    scores::removeStaleTemporaries(folder, path_);
    std::string temp = folder + "/" + prefix + "XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return Problem{Problem::Kind::Failed, std::strerror(errno)};
    ::close(fd);
    std::optional<Problem> problem = makeFresh(temp);
    if (!problem && ::link(temp.c_str(), path_.c_str()) != 0 && errno != EEXIST)
        problem = Problem{Problem::Kind::Failed, std::strerror(errno)};
    ::unlink(temp.c_str());
    return problem;
}

std::optional<Problem> HistoryStore::makeFresh(const std::string& tempPath)
{
    sqlite3* raw = nullptr;
    const int code =
        sqlite3_open_v2(tempPath.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    Database db(raw);
    if (code != SQLITE_OK)
        return problemFrom(raw, code);
    std::optional<Problem> problem = execute(raw, "BEGIN");
    if (!problem)
        problem = migrate(raw, 0);
    // The games kept as replay files before there was a history.
    for (const KeptGame& kept : keptGames(replaysFolder_)) {
        if (!problem)
            problem = insertGame(raw, kept.record, kept.text);
    }
    if (!problem)
        problem = execute(raw, "COMMIT");
    if (!problem)
        problem = execute(raw, "PRAGMA journal_mode = WAL");
    return problem;
}

} // namespace vexel::history
