#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vexel::scores {

// The records file's format, with no file in sight: what bytes a table
// becomes, and what table a file's bytes hold. Kept pure so that it can be
// fuzzed and tested without a disk.

// No score line is longer than this; anything past it is never read.
inline constexpr std::size_t MaxLineBytes = 4096;

// The bytes of the file for a table: the table in quotes, then CR LF.
std::string fileContent(std::string_view table);

// The table held in a file's bytes: the first line without its first and
// last character, whatever they are. A UTF-8 byte-order mark before the
// line, as some editors save one, is not part of it. None when the line has
// fewer than two characters, since then there is no table at all.
std::optional<std::string> tableFromContent(std::string_view content);

} // namespace vexel::scores
