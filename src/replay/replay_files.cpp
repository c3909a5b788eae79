#include "replay/replay_files.h"

#include "replay/playback.h"
#include "scores/atomic_file.h"
#include "scores/file_descriptor.h"
#include "ui/game_over_warnings.h"
#include "ui/texts.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

namespace vexel::replay {

namespace {

constexpr std::string_view Extension = ".vxr";
constexpr std::string_view Words[] = {"last", "best-4way", "best-2way"};

} // namespace

std::string replaysFolderFor(const std::string& scoresPath)
{
    const std::size_t slash = scoresPath.find_last_of('/');
    if (slash == std::string::npos)
        return "replays";
    return scoresPath.substr(0, slash + 1) + "replays";
}

std::string replayPath(std::string_view nameOrPath, const std::string& folder)
{
    for (const std::string_view word : Words) {
        if (nameOrPath == word)
            return folder + "/" + std::string(word) + std::string(Extension);
    }
    return std::string(nameOrPath);
}

ReplayFolder::ReplayFolder(std::string folder, std::ostream& diagnostics, GameOverWarnings* warnings)
    : folder_(std::move(folder)), diagnostics_(diagnostics), warnings_(warnings)
{
}

void ReplayFolder::keep(const Replay& game, bool setRecord)
{
    const std::string text = writeReplay(game);
    // Both files in one paragraph: to the player the replays are one thing.
    std::string told = write("last", text);
    if (setRecord) {
        const std::string best = write(game.end.twoWay ? "best-2way" : "best-4way", text);
        told += !told.empty() && !best.empty() ? "\n" + best : best;
    }
    if (warnings_ && !told.empty())
        warnings_->add(GameOverWarnings::Part::Replays, told);
}

std::string ReplayFolder::write(const std::string& name, const std::string& text)
{
    const std::string path = replayPath(name, folder_);
    const auto failure = scores::replaceFile(path, text);
    if (!failure) {
        told_.erase(path);
        return {};
    }
    const std::string reason = scores::describe(*failure);
    const std::string line = fill(translate("Replay", "cannot save the replay to %1: %2"), {path, reason});
    diagnostics_ << "vexel: " << line << '\n';
    const auto [was, isNew] = told_.try_emplace(path, reason);
    if (!isNew && was->second == reason)
        return {};
    was->second = reason;
    return line;
}

FileReadResult loadReplayFile(const std::string& path)
{
    FileReadResult result;
    auto fail = [&](const std::string& why) {
        result.reason = why;
        result.error = fill(translate("Replay", "cannot read %1: %2"), {path, why});
        return result;
    };
    // Non-blocking, so that a FIFO at the path cannot hang the reader; it
    // is turned away below as not a regular file.
    scores::FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!fd.valid()) {
        result.missing = errno == ENOENT;
        return fail(std::strerror(errno));
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return fail(std::strerror(errno));
    if (!S_ISREG(info.st_mode))
        return fail(translate("Replay", "not a regular file"));

    // One byte more than a replay may have, so that the reader sees that
    // the file is too big without the rest ever being read.
    std::string text(static_cast<std::size_t>(std::min<off_t>(info.st_size, MaxFileBytes)) + 1, '\0');
    std::size_t filled = 0;
    while (filled < text.size()) {
        const ssize_t got = ::read(fd.get(), text.data() + filled, text.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return fail(std::strerror(errno));
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
        if (filled == text.size() && text.size() <= MaxFileBytes)
            text.resize(std::min(text.size() * 2, MaxFileBytes + 1));
    }
    text.resize(filled);
    static_cast<ReadResult&>(result) = readReplay(text);
    if (!result.replay) {
        result.reason = result.error;
        result.error = path + ": " + result.error;
    }
    return result;
}

Unwatchable unwatchable(std::string_view nameOrPath, const std::string& path, const FileReadResult& failure)
{
    // The kept replays are made by playing; until then there is nothing
    // wrong, only nothing to watch.
    if (failure.missing && nameOrPath == Words[0])
        return {translate("Replay", "No game has been played yet, so there is no last game to watch."), true};
    if (failure.missing && nameOrPath == Words[1])
        return {translate("Replay", "No 4-way record has been set yet, so there is no record game to watch."),
                true};
    if (failure.missing && nameOrPath == Words[2])
        return {translate("Replay", "No 2-way record has been set yet, so there is no record game to watch."),
                true};
    return {fill(translate("Replay", "This replay cannot be watched.\n\nFile: %1\nReason: %2"),
                 {path, failure.reason}),
            false};
}

int verifyReplayFile(const std::string& path, std::ostream& out, std::ostream& err)
{
    return verifyReplay(loadReplayFile(path), path, out, err);
}

int verifyReplay(const ReadResult& read, const std::string& name, std::ostream& out, std::ostream& err)
{
    if (!read.replay) {
        err << "vexel: " << read.error << '\n';
        return VerifyUnreadable;
    }
    Playback playback(*read.replay);
    const Outcome outcome = playback.run();
    out << describe(outcome.played) << '\n';
    if (outcome.matches())
        return VerifyMatches;
    err << "vexel: "
        << fill(translate("Replay", "%1 does not match its recorded end: %2"), {name, outcome.mismatch})
        << '\n';
    return VerifyDiffers;
}

} // namespace vexel::replay
