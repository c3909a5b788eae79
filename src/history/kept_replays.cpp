#include "history/kept_replays.h"

#include "history/history_store.h"
#include "replay/replay_files.h"

#include <algorithm>
#include <sys/stat.h>

namespace vexel::history {

std::vector<KeptGame> keptGames(const std::string& replaysFolder)
{
    std::vector<KeptGame> kept;
    if (replaysFolder.empty())
        return kept;
    for (const char* word : {"best-4way", "best-2way", "last"}) {
        const std::string path = replay::replayPath(word, replaysFolder);
        const replay::ReadResult read = replay::loadReplayFile(path);
        struct stat info {};
        if (!read.replay || ::stat(path.c_str(), &info) != 0)
            continue;
        // The name prompt comes only with a record, so a named game set one.
        const bool setRecord =
            std::any_of(read.replay->events.begin(), read.replay->events.end(),
                        [](const replay::Event& e) { return e.kind == replay::Event::Kind::Name; });
        KeptGame game{recordOf(*read.replay, setRecord, info.st_mtime), replay::writeReplay(*read.replay)};
        const bool seen = std::any_of(kept.begin(), kept.end(),
                                      [&](const KeptGame& other) { return other.text == game.text; });
        if (!seen)
            kept.push_back(std::move(game));
    }
    std::stable_sort(kept.begin(), kept.end(), [](const KeptGame& a, const KeptGame& b) {
        return a.record.endedUtc < b.record.endedUtc;
    });
    return kept;
}

} // namespace vexel::history
