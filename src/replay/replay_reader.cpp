// Reading a replay's text: every line checked against the format's bounds
// before anything of it is trusted.

#include "replay/format_words.h"
#include "replay/replay_format.h"

#include "scores/score_table.h"

#include <algorithm>
#include <limits>

namespace vexel::replay {

namespace {

using format::fields;
using format::hexValue;
using format::Magic;
using format::number;
using format::OptionWord;
using format::OptionWords;

class Reader {
public:
    explicit Reader(std::string_view text) : rest_(text) {}

    ReadResult run()
    {
        if (read())
            result_.replay = std::move(replay_);
        return std::move(result_);
    }

private:
    // Takes the next whole line. False at the end of the text, and for a
    // line that is cut short or too long (with the error set).
    bool nextLine()
    {
        if (rest_.empty())
            return false;
        ++line_;
        const std::size_t newline = rest_.find('\n');
        if (newline == std::string_view::npos && rest_.size() <= MaxLineBytes)
            return fail(line_, "the line has no end: the replay is cut short");
        if (newline > MaxLineBytes)
            return fail(line_, "the line is longer than any line of a replay");
        current_ = rest_.substr(0, newline);
        rest_.remove_prefix(newline + 1);
        return true;
    }

    bool read()
    {
        if (rest_.size() > MaxFileBytes)
            return fail(0, "the file is larger than any replay (" + std::to_string(rest_.size()) + " bytes)");
        if (rest_.empty())
            return fail(1, "the file is empty, not a Vexel replay");
        if (!header())
            return false;
        while (!ended_) {
            if (!nextLine())
                return cutShort();
            if (!eventOrEnd())
                return false;
        }
        if (!rest_.empty())
            return fail(line_ + 1, "nothing may follow the end line");
        return true;
    }

    bool header()
    {
        // Judged by how it begins, so that a file cut inside its first
        // line is still told apart from one that is no replay at all.
        const std::string_view first = rest_.substr(0, std::min(rest_.find('\n'), Magic.size()));
        if (first != Magic.substr(0, first.size()))
            return fail(1, "not a Vexel replay");
        if (!nextLine())
            return cutShort();
        if (current_.substr(0, Magic.size()) != Magic)
            return fail(1, "not a Vexel replay");
        const std::string_view version = current_.substr(Magic.size());
        if (version != std::to_string(FormatVersion)) {
            if (number(version, std::numeric_limits<std::uint64_t>::max()))
                return fail(1, "this is a version " + std::string(version) +
                                   " replay; this program reads version " + std::to_string(FormatVersion));
            return fail(1, "not a Vexel replay");
        }

        std::uint64_t value = 0;
        if (!setting("seed", std::numeric_limits<std::uint32_t>::max(), value))
            return false;
        replay_.start.seed = static_cast<std::uint32_t>(value);
        if (!setting("drawn", MaxDrawn, value))
            return false;
        replay_.start.drawn = value;
        return onOffSetting("show-bad-squares", replay_.start.showBadSquares) &&
               onOffSetting("show-level", replay_.start.showLevel) &&
               onOffSetting("two-way", replay_.start.twoWay);
    }

    // "NAME N" with N from 0 to max.
    bool setting(std::string_view name, std::uint64_t max, std::uint64_t& value)
    {
        if (!nextLine())
            return cutShort();
        std::array<std::string_view, 2> f;
        if (fields(current_, f) != 2 || f[0] != name)
            return fail(line_, "expected '" + std::string(name) + " N'");
        const std::optional<std::uint64_t> parsed = number(f[1], max);
        if (!parsed)
            return fail(line_, "the " + std::string(name) + " must be a whole number from 0 to " +
                                   std::to_string(max));
        value = *parsed;
        return true;
    }

    bool onOffSetting(std::string_view name, bool& on)
    {
        if (!nextLine())
            return cutShort();
        std::array<std::string_view, 2> f;
        if (fields(current_, f) != 2 || f[0] != name || (f[1] != "on" && f[1] != "off"))
            return fail(line_, "expected '" + std::string(name) + " on' or '" + std::string(name) + " off'");
        on = f[1] == "on";
        return true;
    }

    bool cutShort()
    {
        if (result_.error.empty())
            fail(line_ + 1, "the replay stops before its end line: it is cut short");
        return false;
    }

    bool eventOrEnd()
    {
        if (current_.substr(0, 4) == "end ")
            return end();
        // Judged by its first field first, so that a line that is no event
        // at all is called that.
        const std::string_view first = current_.substr(0, current_.find(' '));
        const std::optional<std::uint64_t> tick = number(first, MaxTicks);
        if (!tick) {
            if (!first.empty() && first.find_first_not_of("0123456789") == std::string_view::npos)
                return fail(line_, "the tick must be a whole number from 0 to " + std::to_string(MaxTicks));
            return fail(line_, "expected an event ('TICK key|option|high-scores|name ...') or the end line");
        }
        Event event;
        // The check comes last: " @DRAWN SQUARE". A name may hold " @"
        // itself, so the last one counts.
        const std::size_t at = current_.rfind(" @");
        if (at == std::string_view::npos)
            return fail(line_, "the event has no check ('@DRAWN SQUARE') at its end");
        {
            std::array<std::string_view, 2> c;
            const bool two = fields(current_.substr(at + 2), c) == 2;
            const auto drawn = two ? number(c[0], MaxGameDraws) : std::nullopt;
            const auto square = two ? number(c[1], MaxSquare) : std::nullopt;
            if (!drawn || !square)
                return fail(line_, "expected the check '@DRAWN SQUARE' with DRAWN from 0 to " +
                                       std::to_string(MaxGameDraws) + " and SQUARE from 0 to " +
                                       std::to_string(MaxSquare));
            event.drawn = *drawn;
            event.square = static_cast<std::uint8_t>(*square);
        }
        const std::string_view body = current_.substr(0, at);
        std::array<std::string_view, 4> f;
        const std::size_t count = fields(body, f);
        if (replay_.events.size() >= MaxEvents)
            return fail(line_, "more than " + std::to_string(MaxEvents) + " events");

        event.tick = static_cast<std::uint32_t>(*tick);
        event.line = line_;
        const std::string_view what = count >= 2 ? f[1] : std::string_view();
        if (what == "key") {
            const auto code = count == 4 ? number(f[2], MaxKeyCode) : std::nullopt;
            const auto shift = count == 4 ? number(f[3], MaxShift) : std::nullopt;
            if (!code || !shift)
                return fail(line_, "expected 'TICK key CODE SHIFT' with CODE from 0 to " +
                                       std::to_string(MaxKeyCode) + " and SHIFT from 0 to " +
                                       std::to_string(MaxShift));
            event.kind = Event::Kind::Key;
            event.keyCode = static_cast<std::uint16_t>(*code);
            event.shift = static_cast<std::uint8_t>(*shift);
        } else if (what == "option") {
            const OptionWord* option = nullptr;
            for (const OptionWord& candidate : OptionWords) {
                if (count == 3 && f[2] == candidate.word)
                    option = &candidate;
            }
            if (option == nullptr)
                return fail(line_, "expected 'TICK option show-bad-squares|show-level|two-way'");
            event.kind = Event::Kind::Option;
            event.item = option->item;
        } else if (what == "high-scores" && count == 2) {
            event.kind = Event::Kind::HighScores;
        } else if (what == "name") {
            if (!name(body.substr(f[0].size() + 1 + what.size())))
                return false;
            event.kind = Event::Kind::Name;
        } else {
            return fail(line_, "unknown event '" + std::string(what.substr(0, 32)) + "'");
        }
        replay_.events.push_back(event);
        return true;
    }

    // ` "TEXT"`: the rest of a name line.
    bool name(std::string_view rest)
    {
        if (named_)
            return fail(line_, "a second name: a game asks for one at most");
        named_ = true;
        if (rest.size() < 3 || rest[0] != ' ' || rest[1] != '"' || rest.back() != '"')
            return fail(line_, "expected 'TICK name \"TEXT\"'");
        rest = rest.substr(2, rest.size() - 3);
        std::string decoded;
        for (std::size_t i = 0; i < rest.size(); ++i) {
            const auto byte = static_cast<unsigned char>(rest[i]);
            if (byte == '\\') {
                if (i + 1 < rest.size() && (rest[i + 1] == '\\' || rest[i + 1] == '"')) {
                    decoded += rest[++i];
                } else if (i + 3 < rest.size() && rest[i + 1] == 'x' && hexValue(rest[i + 2]) >= 0 &&
                           hexValue(rest[i + 3]) >= 0) {
                    decoded += static_cast<char>(hexValue(rest[i + 2]) * 16 + hexValue(rest[i + 3]));
                    i += 3;
                } else {
                    return fail(line_, "a broken escape in the name (only \\\\, \\\" and \\xHH)");
                }
            } else if (byte == '"' || byte < 0x20 || byte == 0x7F) {
                return fail(line_, "the name holds a character that must be escaped");
            } else {
                decoded += static_cast<char>(byte);
            }
            if (decoded.size() > MaxNameBytes)
                return fail(line_, "the name is longer than " + std::to_string(MaxNameBytes) + " bytes");
        }
        replay_.name = std::move(decoded);
        return true;
    }

    // "end score S, level L, 4-way|2-way, T ticks"
    bool end()
    {
        std::array<std::string_view, 8> f;
        const bool shaped = fields(current_, f) == 8 && f[0] == "end" && f[1] == "score" && f[3] == "level" &&
                            f[7] == "ticks" && f[2].size() > 1 && f[2].back() == ',' && f[4].size() > 1 &&
                            f[4].back() == ',';
        const auto score = shaped ? number(f[2].substr(0, f[2].size() - 1), scores::MaxScore) : std::nullopt;
        const auto level = shaped ? number(f[4].substr(0, f[4].size() - 1), 12) : std::nullopt;
        const auto ticks = shaped ? number(f[6], MaxTicks) : std::nullopt;
        const bool mode = shaped && (f[5] == "4-way," || f[5] == "2-way,");
        if (!score || !level || *level < 1 || !ticks || !mode)
            return fail(line_, "expected 'end score S, level L, 4-way|2-way, T ticks' with S from 0 to " +
                                   std::to_string(scores::MaxScore) + ", L from 1 to 12 and T from 0 to " +
                                   std::to_string(MaxTicks));
        replay_.end = {static_cast<std::uint32_t>(*ticks), static_cast<int>(*score), static_cast<int>(*level),
                       f[5] == "2-way,"};
        ended_ = true;
        return true;
    }

    // Keeps the first problem found; returns false so that callers can
    // give up in one statement.
    bool fail(std::uint32_t line, std::string message)
    {
        if (result_.error.empty())
            result_.error = line == 0 ? std::move(message) : "line " + std::to_string(line) + ": " + message;
        return false;
    }

    std::string_view rest_;
    std::string_view current_;
    std::uint32_t line_ = 0;
    bool ended_ = false;
    bool named_ = false;
    Replay replay_;
    ReadResult result_;
};

} // namespace

ReadResult readReplay(std::string_view text)
{
    return Reader(text).run();
}

} // namespace vexel::replay
