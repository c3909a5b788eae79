#include "qt/history/history_text.h"

#include "app/window_definition.h"
#include "history/history_texts.h"

#include <QCoreApplication>

namespace vexel::qt {

QString localDateTime(std::int64_t utcSeconds)
{
    return QString::fromStdString(history::text::localDateTime(utcSeconds));
}

QString playTime(std::uint64_t ticks)
{
    constexpr std::uint64_t TicksPerSecond = 1000 / window::TimerIntervalMs;
    const std::uint64_t seconds = ticks / TicksPerSecond;
    const std::uint64_t hours = seconds / 3600, minutes = seconds / 60 % 60, rest = seconds % 60;
    const auto twoDigits = [](std::uint64_t n) {
        return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    };
    if (hours == 0)
        return QStringLiteral("%1:%2").arg(minutes).arg(twoDigits(rest));
    return QStringLiteral("%1:%2:%3").arg(hours).arg(twoDigits(minutes), twoDigits(rest));
}

QString modeName(bool twoWay)
{
    return twoWay ? QCoreApplication::translate("HistoryWindow", "2-Way")
                  : QCoreApplication::translate("HistoryWindow", "4-Way");
}

} // namespace vexel::qt
