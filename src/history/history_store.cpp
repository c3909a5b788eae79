#include "history/history_store.h"

#include "history/schema.h"
#include "replay/replay.h"
#include "scores/atomic_file.h"
#include "scores/score_table.h"
#include "ui/texts.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace vexel::history {

namespace {

// Two copies of the game may end their games at the same moment; the
// second waits this long for the first to finish its write.
constexpr int BusyMilliseconds = 5000;
// A full check reads the whole file, once a run, before the first write;
// on a larger history it would hold up the game over, and SQLite still
// finds damage in every page it touches.
constexpr off_t WholeCheckLimit = off_t{16} << 20;

std::optional<std::int64_t> single(sqlite3* db, const char* sql, int* code)
{
    sqlite3_stmt* raw = nullptr;
    *code = sqlite3_prepare_v2(db, sql, -1, &raw, nullptr);
    const Statement statement(raw);
    if (*code != SQLITE_OK)
        return std::nullopt;
    *code = sqlite3_step(raw);
    if (*code != SQLITE_ROW)
        return std::nullopt;
    *code = SQLITE_OK;
    return sqlite3_column_int64(raw, 0);
}

// The file alone, read as it stands: for a history no one may write, in a
// folder where SQLite cannot make the index a log needs.
std::string frozenUri(const std::string& path)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string uri = "file:";
    for (const char ch : path) {
        const auto byte = static_cast<unsigned char>(ch);
        if (std::isalnum(byte) || std::strchr("/._~-", ch) != nullptr)
            uri += ch;
        else
            uri += {'%', Hex[byte >> 4], Hex[byte & 15]};
    }
    return uri + "?immutable=1";
}

} // namespace

GameRecord recordOf(const replay::Replay& game, bool setRecord, std::int64_t endedUtc)
{
    GameRecord record;
    record.endedUtc = endedUtc;
    record.ticks = game.end.ticks;
    record.score = game.end.score;
    record.level = game.end.level;
    record.twoWay = game.end.twoWay;
    record.startShowBadSquares = game.start.showBadSquares;
    record.startShowLevel = game.start.showLevel;
    record.startTwoWay = game.start.twoWay;
    record.setRecord = setRecord;
    if (setRecord)
        record.holder = scores::holderName(game.name);
    return record;
}

HistoryStore::HistoryStore(std::string path, std::string replaysFolder)
    : path_(std::move(path)), replaysFolder_(std::move(replaysFolder))
{
}

HistoryStore::~HistoryStore()
{
    close();
}

void HistoryStore::close()
{
    // Only the game's own history, still at the path, gets the games of
    // the log written into it on closing; anything else is left as it is.
    if (db_ && ownFileStill() && !checkHeader(db_.get()))
        sqlite3_db_config(db_.get(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 0, nullptr);
    db_.reset();
}

bool HistoryStore::ownFileStill() const
{
    struct stat info {};
    return ::stat(path_.c_str(), &info) == 0 && info.st_dev == device_ && info.st_ino == inode_;
}

std::optional<Problem> HistoryStore::checkHeader(sqlite3* db)
{
    // Read through SQLite's own file: a descriptor of ours, closed, would
    // drop the locks SQLite holds on the file for the whole process.
    sqlite3_file* file = nullptr;
    sqlite3_int64 size = 0;
    if (sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || file == nullptr ||
        file->pMethods == nullptr || file->pMethods->xFileSize(file, &size) != SQLITE_OK)
        return Problem{Problem::Kind::Unreadable, translate("History", "the file cannot be looked into")};
    unsigned char header[HeaderBytes] = {};
    const int code = file->pMethods->xRead(file, header, sizeof header, 0);
    if (code != SQLITE_OK && code != SQLITE_IOERR_SHORT_READ)
        return Problem{Problem::Kind::Unreadable, sqlite3_errstr(code)};
    const auto length = static_cast<std::size_t>(std::min<sqlite3_int64>(size, HeaderBytes));
    struct stat log {};
    const std::string logPath = std::string(sqlite3_db_filename(db, "main")) + "-wal";
    const bool logPending = ::stat(logPath.c_str(), &log) == 0 && log.st_size > 0;
    return judgeHeader(header, length, static_cast<std::uint64_t>(size), logPending);
}

std::optional<Problem> HistoryStore::connect(bool forWriting)
{
    const Inspection inspection = inspect(path_, forWriting);
    if (inspection.problem || inspection.missing) {
        db_.reset();
        return inspection.problem;
    }
    // The same file as last time: its header is read again below, in case
    // it was written over in place.
    if (!db_ || !ownFileStill() || (forWriting && !writable_)) {
        db_.reset();
        // A reader that may not write the file opens it read-only; a
        // writer has been told above.
        writable_ = forWriting || ::access(path_.c_str(), W_OK) == 0;
        sqlite3* raw = nullptr;
        const int code =
            frozen_ && !writable_
                ? sqlite3_open_v2(frozenUri(path_).c_str(), &raw,
                                  SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr)
                : sqlite3_open_v2(path_.c_str(), &raw,
                                  (writable_ ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY) |
                                      SQLITE_OPEN_NOMUTEX,
                                  nullptr);
        Database db(raw);
        if (code != SQLITE_OK)
            return problemFrom(raw, code);
        // Closing never writes to the file unless close() has found it to
        // be the game's own history.
        sqlite3_db_config(raw, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        sqlite3_busy_timeout(raw, BusyMilliseconds);
        sqlite3_extended_result_codes(raw, 1);
        struct stat info {};
        if (::stat(path_.c_str(), &info) != 0)
            return Problem{Problem::Kind::Unreadable, std::strerror(errno)};
        device_ = info.st_dev;
        inode_ = info.st_ino;
        db_ = std::move(db);
    }
    if (auto problem = checkHeader(db_.get())) {
        db_.reset();
        return problem;
    }
    // In WAL mode a write that is cut off is rolled back on the next
    // opening whatever this says; NORMAL spares a sync on every commit.
    // The log is folded into the file when the game closes it, not at a
    // game over, unless thousands of games have gone into it.
    return execute(db_.get(), "PRAGMA synchronous = NORMAL; PRAGMA wal_autocheckpoint = 8192");
}

std::optional<Problem> HistoryStore::checkLayout(bool* older)
{
    sqlite3* db = db_.get();
    int code = SQLITE_OK;
    const auto application = single(db, "PRAGMA application_id", &code);
    if (!application)
        return problemFrom(db, code);
    if (*application != ApplicationId)
        return Problem{Problem::Kind::Foreign, {}};
    const auto version = single(db, "PRAGMA user_version", &code);
    if (!version)
        return problemFrom(db, code);
    if (*version > SchemaVersion)
        return Problem{Problem::Kind::Newer, {}};
    if (*version < SchemaVersion) {
        // A reader only says so; the writer brings it up to date.
        if (older != nullptr) {
            *older = true;
            return std::nullopt;
        }
        return migrate(db, static_cast<int>(*version));
    }
    return std::nullopt;
}

std::optional<Problem> HistoryStore::checkWhole()
{
    if (checkedWhole_)
        return std::nullopt;
    struct stat info {};
    if (::stat(path_.c_str(), &info) == 0 && info.st_size > WholeCheckLimit) {
        checkedWhole_ = true;
        return std::nullopt;
    }
    sqlite3_stmt* raw = nullptr;
    int code = sqlite3_prepare_v2(db_.get(), "PRAGMA quick_check(1)", -1, &raw, nullptr);
    const Statement statement(raw);
    if (code != SQLITE_OK || (code = sqlite3_step(raw)) != SQLITE_ROW)
        return problemFrom(db_.get(), code);
    const auto* verdict = reinterpret_cast<const char*>(sqlite3_column_text(raw, 0));
    if (verdict == nullptr || std::strcmp(verdict, "ok") != 0)
        return Problem{Problem::Kind::Damaged, {}};
    checkedWhole_ = true;
    return std::nullopt;
}

std::optional<Problem> HistoryStore::open()
{
    readProblem_.reset();
    for (int attempt = 0; attempt < 3; ++attempt) {
        std::optional<Problem> problem = connect(false);
        if (!problem && !db_)
            return std::nullopt;
        bool older = false;
        if (!problem) {
            // The header and the layout only: reading costs what it reads.
            // Damage in a page the reads touch is told by readProblem();
            // the whole file is checked before this run first writes it.
            problem = execute(db_.get(), "BEGIN");
            if (!problem)
                problem = checkLayout(&older);
            execute(db_.get(), "COMMIT");
        }
        if (problem && problem->kind == Problem::Kind::ReadOnly && !writable_ && !frozen_) {
            // SQLite could not make what reading the log takes: read the
            // file as it stands instead.
            frozen_ = true;
            db_.reset();
            continue;
        }
        if (problem || older)
            db_.reset();
        if (problem || !older)
            return problem;
        // An older layout: brought up to date as a game over would, then
        // read again.
        if (auto upgraded = write({}, {}))
            return upgraded;
    }
    return Problem{Problem::Kind::Failed,
                   translate("History", "the history could not be brought up to date")};
}

std::optional<Problem> HistoryStore::add(const GameRecord& game, const std::string& replayText)
{
    if (auto problem = create())
        return problem;
    return write(game, replayText);
}

// Adds the game; with no replay text it only checks the history and brings
// its layout up to date.
std::optional<Problem> HistoryStore::write(const GameRecord& game, const std::string& replayText)
{
    if (auto problem = connect(true))
        return problem;
    if (!db_)
        return Problem{Problem::Kind::Failed,
                       translate("History", "the history went away while it was written")};
    sqlite3* db = db_.get();
    // IMMEDIATE takes the write lock before anything is read, so that two
    // copies take turns instead of one failing its upgrade from reading.
    std::optional<Problem> problem = execute(db, "BEGIN IMMEDIATE");
    if (!problem)
        problem = checkLayout(nullptr);
    if (!problem)
        problem = checkWhole();
    if (!problem && !replayText.empty())
        problem = insertGame(db, game, replayText);
    if (!problem)
        problem = execute(db, "COMMIT");
    if (problem) {
        execute(db, "ROLLBACK");
        db_.reset();
    }
    return problem;
}

} // namespace vexel::history
