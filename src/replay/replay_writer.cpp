// Writing a replay's text: every game the same lines in the same order,
// so that a replay read and written again comes out byte for byte.

#include "replay/format_words.h"
#include "replay/replay_format.h"

#include "text/utf8.h"

namespace vexel::replay {

namespace {

using format::Magic;
using format::modeWord;
using format::wordOf;

std::string_view onOff(bool on)
{
    return on ? "on" : "off";
}

constexpr char Hex[] = "0123456789abcdef";

// Printable text stays readable, UTF-8 included; quotes, backslashes,
// control characters and bytes that are not UTF-8 are escaped, so a name
// can never end its line or its quotes early.
std::string quoted(std::string_view name)
{
    std::string out = "\"";
    for (std::size_t pos = 0; pos < name.size();) {
        const std::size_t length = utf8::charLength(name, pos);
        const auto byte = static_cast<unsigned char>(name[pos]);
        if (length > 1) {
            out.append(name.substr(pos, length));
        } else if (byte == '"' || byte == '\\') {
            out += '\\';
            out += static_cast<char>(byte);
        } else if (byte >= 0x20 && byte < 0x7F) {
            out += static_cast<char>(byte);
        } else {
            out += "\\x";
            out += Hex[byte >> 4];
            out += Hex[byte & 0xF];
        }
        pos += length;
    }
    return out + "\"";
}

} // namespace

std::string describe(const End& end)
{
    return "score " + std::to_string(end.score) + ", level " + std::to_string(end.level) + ", " +
           std::string(modeWord(end.twoWay)) + ", " + std::to_string(end.ticks) + " ticks";
}

std::string writeReplay(const Replay& replay)
{
    std::string out;
    out += std::string(Magic) + std::to_string(FormatVersion) + "\n";
    out += "seed " + std::to_string(replay.start.seed) + "\n";
    out += "drawn " + std::to_string(replay.start.drawn) + "\n";
    out += "show-bad-squares " + std::string(onOff(replay.start.showBadSquares)) + "\n";
    out += "show-level " + std::string(onOff(replay.start.showLevel)) + "\n";
    out += "two-way " + std::string(onOff(replay.start.twoWay)) + "\n";
    for (const Event& event : replay.events) {
        out += std::to_string(event.tick);
        switch (event.kind) {
        case Event::Kind::Key:
            out += " key " + std::to_string(event.keyCode) + " " + std::to_string(event.shift);
            break;
        case Event::Kind::Option:
            out += " option " + std::string(wordOf(event.item));
            break;
        case Event::Kind::HighScores:
            out += " high-scores";
            break;
        case Event::Kind::Name:
            out += " name " + quoted(replay.name);
            break;
        }
        out += " @" + std::to_string(event.drawn) + " " + std::to_string(event.square) + '\n';
    }
    out += "end " + describe(replay.end) + "\n";
    return out;
}

} // namespace vexel::replay
