#pragma once

// UTF-8 as the records, the replays and the history read what a player
// typed: any bytes are handled, a byte that does not begin a well-formed
// sequence counting as one character of its own.

#include <cstddef>
#include <string>
#include <string_view>

namespace vexel::utf8 {

// The code point of the character at text[pos], with its byte length in
// `length`; -1 (length 1) for a byte that does not begin a well-formed
// sequence: an overlong form, a surrogate, a cut or stray continuation.
long decode(std::string_view text, std::size_t pos, std::size_t& length);

// Byte length of the character starting at text[pos].
std::size_t charLength(std::string_view text, std::size_t pos);
std::size_t charCount(std::string_view text);

// Characters that would break a line or, as the bidirectional marks,
// embeddings, overrides and isolates do, reorder the text shown after them
// or hide themselves in it.
bool isControl(long code);

// The first `count` characters made printable on one line: a control
// character becomes a space, a broken byte U+FFFD; padded with spaces to
// exactly `count` characters.
std::string printable(std::string_view text, std::size_t count);

} // namespace vexel::utf8
