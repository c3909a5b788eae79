#pragma once

// The words a replay's lines are made of, which its reader and its writer
// share, and how the reader takes a line apart.

#include "ui/window_host.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vexel::replay::format {

inline constexpr std::string_view Magic = "vexel-replay ";

struct OptionWord {
    MenuItem item;
    std::string_view word;
};
inline constexpr std::array<OptionWord, 3> OptionWords = {{
    {MenuItem::ShowBadSquares, "show-bad-squares"},
    {MenuItem::ShowLevel, "show-level"},
    {MenuItem::TwoWay, "two-way"},
}};

inline std::string_view wordOf(MenuItem item)
{
    for (const OptionWord& option : OptionWords) {
        if (option.item == item)
            return option.word;
    }
    return {};
}

inline std::string_view modeWord(bool twoWay)
{
    return twoWay ? "2-way" : "4-way";
}

// Reading a line.

inline std::optional<std::uint64_t> number(std::string_view text, std::uint64_t max)
{
    // Twenty digits hold any 64-bit value; more can only be an overflow.
    if (text.empty() || text.size() > 20)
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char ch : text) {
        if (ch < '0' || ch > '9')
            return std::nullopt;
        const auto digit = static_cast<std::uint64_t>(ch - '0');
        if (digit > max || value > (max - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

inline int hexValue(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

// Splits at single spaces; an empty field (two spaces, or one at either
// end) makes the line malformed.
template <std::size_t N> std::size_t fields(std::string_view line, std::array<std::string_view, N>& out)
{
    std::size_t count = 0;
    while (count < N) {
        const std::size_t space = line.find(' ');
        out[count++] = line.substr(0, space);
        if (space == std::string_view::npos)
            return count;
        line.remove_prefix(space + 1);
    }
    return N + 1; // too many
}

} // namespace vexel::replay::format
