#pragma once

#include "replay/replay.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vexel::replay {

// A replay's text, with no file in sight, so that it can be fuzzed and
// tested without a disk. The format is described in docs/replay-format.md.

inline constexpr int FormatVersion = 1;
// No line the writer makes is longer than this, nor any file bigger: a
// reader given more stops there rather than holding it all.
inline constexpr std::size_t MaxLineBytes = 512;
inline constexpr std::size_t MaxFileBytes = std::size_t{32} << 20;

std::string writeReplay(const Replay& replay);

struct ReadResult {
    std::optional<Replay> replay;
    // Set when there is no replay: what is wrong, starting with the line.
    std::string error;
};

// Checks every line against the format's bounds and refuses anything
// else; it never trusts a count or a length it has not checked.
ReadResult readReplay(std::string_view text);

} // namespace vexel::replay
