// Any bytes as a replay file: reading them must never crash or hold more
// than a replay's bounds allow, and must either refuse them with a message
// that names a line of the input, or give a replay that is written back
// and read again unchanged. Replays small enough to play quickly are then
// played, which must end within the ticks they record.

#include "fuzz_check.h"
#include "replay/playback.h"
#include "replay/replay_format.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

namespace rp = vexel::replay;

using vexel::fuzz::require;

// "line N: ..." with N a line the input has, or one past its last.
bool namesALine(const std::string& error, std::string_view text)
{
    if (error.rfind("the file is larger than any replay", 0) == 0)
        return text.size() > rp::MaxFileBytes;
    if (error.rfind("line ", 0) != 0)
        return false;
    const unsigned long line = std::strtoul(error.c_str() + 5, nullptr, 10);
    const auto lines = static_cast<unsigned long>(std::count(text.begin(), text.end(), '\n'));
    return line >= 1 && line <= lines + 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const rp::ReadResult read = rp::readReplay(text);
    if (!read.replay) {
        require(namesALine(read.error, text), "a refusal does not name a line of the input");
        return 0;
    }
    const rp::Replay& replay = *read.replay;
    require(read.error.empty(), "a replay was read with an error");
    require(replay.events.size() <= rp::MaxEvents && replay.name.size() <= rp::MaxNameBytes,
            "a replay beyond the bounds was read");

    const std::string written = rp::writeReplay(replay);
    const rp::ReadResult again = rp::readReplay(written);
    require(again.replay.has_value(), "a written replay cannot be read back");
    require(*again.replay == replay, "a written replay reads back as another");
    require(rp::writeReplay(*again.replay) == written, "writing a replay twice gives two texts");

    if (replay.start.drawn <= 100000 && replay.end.ticks <= 3000) {
        rp::Playback playback(replay);
        const rp::Outcome outcome = playback.run();
        require(outcome.played.ticks <= replay.end.ticks, "play went past the recorded ticks");
        require(!outcome.matches() || outcome.played == replay.end, "a match with another end");
    }
    return 0;
}
