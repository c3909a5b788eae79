#pragma once

#include <QString>

#include <cstdint>

namespace vexel::qt {

// How the History window writes what the history holds. Every caption goes
// through the translation catalogue; numbers, dates and lengths keep one
// form in every language, the same as `--history` prints.

// "2026-12-09 01:15", in the local time zone, as `--history` prints it.
QString localDateTime(std::int64_t utcSeconds);
// The length of a game, or of all of them: "0:42", "12:05", "3:02:17".
QString playTime(std::uint64_t ticks);
// "4-Way" or "2-Way".
QString modeName(bool twoWay);

} // namespace vexel::qt
