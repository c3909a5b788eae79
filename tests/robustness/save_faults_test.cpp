// Saving the records when the system says no: a file-size limit, a folder
// the player may not write, a directory where the file should be, and saves
// killed outright at random moments. The promise under test is the same in
// every case: the file holds the old table or the new one, byte for byte,
// and a failed save leaves nothing behind.

#include "child_process.h"
#include "scratch_folder.h"

#include "scores/atomic_file.h"
#include "scores/score_file.h"
#include "scores/score_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace vexel::testsupport {
namespace {

namespace fs = std::filesystem;
using scores::ScoreFile;

// The new table beats the old in both modes, so that a save of it, merged
// with the old, stores it whole.
constexpr const char* OldTable = "01230456Ann  Bob  ";
constexpr const char* NewTable = "98760789Zoë  Xavi ";

// The records and the lock that keeps two saves apart.
std::vector<std::string> onlyTheFile()
{
    return {".vexel.ini.lock", "vexel.ini"};
}

// A save's outcome in one line: "ok", or the failed step and the reason.
std::string outcome(ScoreFile& file)
{
    const scores::SaveResult result = file.save(NewTable);
    switch (result.status) {
    case scores::SaveResult::Status::Saved:
        return "ok";
    case scores::SaveResult::Status::Failed:
        return scores::describe(result.failure.value());
    case scores::SaveResult::Status::Unreadable:
        break;
    }
    return "unreadable: " + result.error;
}

bool saved(ScoreFile& file, const char* table)
{
    return file.save(table).status == scores::SaveResult::Status::Saved;
}

TEST(SaveFaults, AFileSizeLimitFailsTheSaveAndKeepsTheOldFile)
{
    // 0: not one byte may be written; 21: all but the line's last byte.
    for (const rlim_t limit : {rlim_t{0}, rlim_t{1}, rlim_t{12}, rlim_t{21}}) {
        SCOPED_TRACE("limit " + std::to_string(limit) + " bytes");
        ScratchFolder dir;
        ScoreFile file(dir.file("vexel.ini"));
        ASSERT_TRUE(saved(file, OldTable));
        const std::string before = readBytes(file.path());

        const ChildResult child = runInChild([&file, limit](int fd) {
            // Without this the kernel ends the process at the limit instead
            // of failing the write with EFBIG.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit cap{limit, limit};
            if (::setrlimit(RLIMIT_FSIZE, &cap) != 0)
                return 3;
            report(fd, outcome(file));
            return 0;
        });
        ASSERT_TRUE(child.exited) << "the saving process died of signal " << child.status;
        EXPECT_EQ(child.message, "write: " + std::string(std::strerror(EFBIG)));
        EXPECT_EQ(readBytes(file.path()), before);
        EXPECT_EQ(entries(dir.path()), onlyTheFile());
    }
}

TEST(SaveFaults, AReadOnlyFolderFailsTheSaveAndKeepsTheOldFile)
{
    ScratchFolder dir;
    // The account that will try the save must be able to reach the folder.
    fs::permissions(dir.path(), fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec |
                                    fs::perms::group_read | fs::perms::others_read);
    const fs::path records = dir.path() / "records";
    // A folder where no game has saved yet, so no lock file waits there.
    const fs::path fresh = dir.path() / "fresh";
    const fs::path replays = dir.path() / "replays";
    for (const fs::path& folder : {records, fresh, replays})
        fs::create_directory(folder);
    ScoreFile file((records / "vexel.ini").string());
    ASSERT_TRUE(saved(file, OldTable));
    // Writable by anyone, so that the folder is all that stands in the way.
    fs::permissions(file.path(), fs::perms::all & ~(fs::perms::owner_exec | fs::perms::group_exec |
                                                    fs::perms::others_exec));
    const std::string before = readBytes(file.path());
    ScoreFile unlocked((fresh / "vexel.ini").string());
    // A data folder that does not exist yet, under a parent it cannot be
    // created in.
    ScoreFile unreachable((records / "new" / "vexel.ini").string());
    for (const fs::path& folder : {records, fresh, replays})
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                    fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);

    const ChildResult child = runInChild([&](int fd) {
        // Root writes anywhere; the test means an ordinary player.
        if (::geteuid() == 0 && !dropPrivileges())
            return 77;
        std::string seen;
        for (ScoreFile* attempt : {&file, &unlocked, &unreachable})
            seen += outcome(*attempt) + "|";
        for (const fs::path& target : {replays / "last.vxr", replays / "new" / "last.vxr"}) {
            const auto replay = scores::replaceFile(target.string(), "vexel replay\n");
            seen += (replay ? scores::describe(*replay) : "ok") + "|";
        }
        // The records stay readable to the one who cannot write them.
        const bool readable = file.load().table == OldTable;
        report(fd, seen + (readable ? "readable" : "unreadable"));
        return 0;
    });
    if (child.exited && child.status == 77)
        GTEST_SKIP() << "cannot give up root here";
    ASSERT_TRUE(child.exited);
    const std::string denied = std::strerror(EACCES);
    // What the player can mend is named: the folder, whether its lock file
    // is there yet or not, or the one that could not be made, for the
    // records and the replays alike.
    const auto folderDenied = [&](const fs::path& folder) {
        return "the folder " + folder.string() + " cannot be written: " + denied;
    };
    const auto folderUnmade = [&](const fs::path& folder) {
        return "the folder " + folder.string() + " cannot be made: " + denied;
    };
    EXPECT_EQ(child.message, folderDenied(records) + "|" + folderDenied(fresh) + "|" +
                                 folderUnmade(records / "new") + "|" + folderDenied(replays) + "|" +
                                 folderUnmade(replays / "new") + "|readable");
    EXPECT_EQ(readBytes(file.path()), before);
    EXPECT_EQ(entries(records), onlyTheFile());
    EXPECT_TRUE(entries(fresh).empty());
    EXPECT_TRUE(entries(replays).empty());
}

TEST(SaveFaults, AFolderInPlaceOfTheFileFailsAfterWritingAndLeavesNoTemporary)
{
    // Everything succeeds up to the rename, so this covers the clean-up of a
    // temporary file that was fully written. (The records file itself never
    // gets this far: it reads what stands there first.)
    ScratchFolder dir;
    fs::create_directories(dir.path() / "vexel.ini" / "keep");
    const auto failure = scores::replaceFile(dir.file("vexel.ini"), scores::fileContent(NewTable));
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(scores::describe(*failure), "rename: " + std::string(std::strerror(EISDIR)));
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"vexel.ini"});
    EXPECT_TRUE(fs::is_directory(dir.path() / "vexel.ini" / "keep"));
}

// One save in a child that is killed after `delay`; the child keeps saving
// the same new table until then, so late kills still land inside a save.
int killedSave(ScoreFile& file, std::chrono::microseconds delay)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        for (;;) {
            if (!saved(file, NewTable))
                ::_exit(2);
        }
    }
    std::this_thread::sleep_for(delay);
    ::kill(pid, SIGKILL);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

TEST(SaveFaults, SavesKilledAtRandomMomentsLeaveTheOldOrTheNewFile)
{
    ScratchFolder dir;
    ScoreFile file(dir.file("vexel.ini"));
    const std::string oldBytes = scores::fileContent(OldTable);
    const std::string newBytes = scores::fileContent(NewTable);

    // How long one save takes here, fork included, sets the range of kill
    // moments: from before the first save starts to well into the second.
    const auto began = std::chrono::steady_clock::now();
    constexpr int Probes = 5;
    for (int i = 0; i < Probes; ++i) {
        const ChildResult probe = runInChild([&file](int) { return saved(file, NewTable) ? 0 : 1; });
        ASSERT_TRUE(probe.exited && probe.status == 0);
    }
    const auto oneSave = std::chrono::duration_cast<std::chrono::microseconds>(
        (std::chrono::steady_clock::now() - began) / Probes);
    const auto window = std::max(oneSave * 2, std::chrono::microseconds(200));

    std::mt19937 engine(7U);
    std::uniform_int_distribution<long> moment(0, window.count());
    int keptOld = 0;
    int tookNew = 0;
    int leftovers = 0;
    int tornFiles = 0;
    constexpr int Kills = 200;
    for (int i = 0; i < Kills; ++i) {
        // Put back by hand: a save would keep the new table's higher scores.
        writeBytes(file.path(), oldBytes);
        killedSave(file, std::chrono::microseconds(moment(engine)));
        const std::string bytes = readBytes(file.path());
        if (bytes == oldBytes)
            ++keptOld;
        else if (bytes == newBytes)
            ++tookNew;
        else if (tornFiles++ == 0)
            ADD_FAILURE() << "kill " << i << " left " << bytes.size() << " bytes: " << bytes;
        for (const std::string& name : entries(dir.path())) {
            if (name != "vexel.ini" && name != ".vexel.ini.lock") {
                ++leftovers;
                fs::remove(dir.path() / name);
            }
        }
    }
    EXPECT_EQ(tornFiles, 0);
    EXPECT_EQ(keptOld + tookNew, Kills);
    std::cout << "[ killed saves ] " << Kills << " kills within " << window.count() << " us (one save about "
              << oneSave.count() << " us): " << keptOld << " kept the old file, " << tookNew
              << " had the new one, " << leftovers << " left a temporary file behind\n";
    ::testing::Test::RecordProperty("kept_old", keptOld);
    ::testing::Test::RecordProperty("took_new", tookNew);
    ::testing::Test::RecordProperty("temporaries_left", leftovers);
}

TEST(SaveFaults, AGoodSaveClearsOldLeftoversButNoFileOfThePlayers)
{
    // Beside the records: a save killed an hour ago, one another game is
    // making now, and the player's own files, as old, with names like the
    // records'. Beside "notes" too, when the records are kept under that name.
    ScratchFolder dir;
    const std::string stale = ".vexel.ini.tmp-Ab12Cd";
    const std::vector<std::string> kept = {".vexel.ini.tmp-Zz99yY", "notes.draft1",
                                           "vexel.ini.Ab12Cd",      "vexel.ini.backup",
                                           "vexel.ini.orig12",      "vexel.ini.tmp-Ab12Cd"};
    const auto longAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const std::string& name : kept) {
        writeBytes(dir.file(name), name);
        if (name != kept.front())
            fs::last_write_time(dir.file(name), longAgo);
    }
    writeBytes(dir.file(stale), "partial");
    fs::last_write_time(dir.file(stale), longAgo);

    ScoreFile records(dir.file("vexel.ini"));
    ScoreFile notes(dir.file("notes"));
    ASSERT_TRUE(saved(records, NewTable));
    ASSERT_TRUE(saved(notes, NewTable));
    std::vector<std::string> expected = {".notes.lock", ".vexel.ini.lock", "notes", "vexel.ini"};
    expected.insert(expected.end(), kept.begin(), kept.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(entries(dir.path()), expected);
    for (const std::string& name : kept)
        EXPECT_EQ(readBytes(dir.file(name)), name);
}

} // namespace
} // namespace vexel::testsupport
