#pragma once

// The board's squares and lines read back from an image of it: what a
// player sees at any size, one row and one column of pixels at a time.

#include "app/form1.h"
#include "board/geometry.h"
#include "qt/game_window.h"
#include "scores/score_file.h"

#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <cmath>
#include <set>
#include <sstream>
#include <vector>

namespace vexel::testsupport {

// The lengths of the fills (white or green) and the lines (black) met along
// one row or column of pixels between the first fill and the last.
struct Crossing {
    std::vector<int> fills, lines;
    bool onlyFillsAndLines = true;
};

inline Crossing cross(const QImage& image, QPoint from, QPoint step, int count)
{
    QString kinds;
    for (int i = 0; i < count; ++i) {
        const QRgb pixel = image.pixel(from + step * i) & 0xFFFFFFU;
        kinds += pixel == 0 ? u'B' : pixel == 0xFFFFFFU || pixel == 0x00FF00U ? u'F' : u'?';
    }
    Crossing crossing;
    const auto first = kinds.indexOf(u'F'), last = kinds.lastIndexOf(u'F');
    for (auto i = first; first >= 0 && i <= last;) {
        auto j = i;
        while (j <= last && kinds[j] == kinds[i])
            ++j;
        (kinds[i] == u'F' ? crossing.fills : crossing.lines).push_back(static_cast<int>(j - i));
        crossing.onlyFillsAndLines = crossing.onlyFillsAndLines && kinds[i] != u'?';
        i = j;
    }
    return crossing;
}

// Across the middle of every row of squares and down every column of an
// image holding the board at `scale` device pixels per client pixel, its
// client area starting at `origin`: eleven fills of one size, ten lines of
// one width, and the two adding up to the pitch.
inline QString unevenness(const QImage& image, QPointF origin, double scale)
{
    const auto at = [&](double client, double start) { return static_cast<int>(start + client * scale); };
    const int span = static_cast<int>(std::lround(vexel::board::Pitch * 10 * scale + 25 * scale));
    std::set<int> fills, lines;
    for (int k = 0; k < vexel::board::Size; ++k) {
        const double middle = vexel::board::Origin + vexel::board::Pitch * k + 12.5;
        for (const bool across : {true, false}) {
            const QPoint start = across
                                     ? QPoint(at(vexel::board::Origin, origin.x()), at(middle, origin.y()))
                                     : QPoint(at(middle, origin.x()), at(vexel::board::Origin, origin.y()));
            const Crossing c = cross(image, start, across ? QPoint(1, 0) : QPoint(0, 1), span);
            if (!c.onlyFillsAndLines || c.fills.size() != 11 || c.lines.size() != 10)
                return QStringLiteral("%1 %2: %3 fills, %4 lines")
                    .arg(across ? "row" : "column")
                    .arg(k)
                    .arg(c.fills.size())
                    .arg(c.lines.size());
            fills.insert(c.fills.begin(), c.fills.end());
            lines.insert(c.lines.begin(), c.lines.end());
        }
    }
    if (fills.size() != 1 || lines.size() != 1 ||
        *fills.begin() + *lines.begin() != std::lround(vexel::board::Pitch * scale))
        return QStringLiteral("%1 fill widths, %2 line widths").arg(fills.size()).arg(lines.size());
    return {};
}

// A fresh game in the real window with its records in a folder of its own,
// shown the way the game starts itself once show() names who hears it.
struct ShownGame {
    QTemporaryDir folder;
    vexel::GameState state;
    vexel::DefaultRandom random;
    vexel::scores::ScoreFile scoreFile{folder.filePath(QStringLiteral("vexel.ini")).toStdString()};
    std::ostringstream diagnostics;
    vexel::qt::GameWindow window;
    vexel::Form1 form{state, window, random, scoreFile, diagnostics};

    void show(vexel::FormEvents& events)
    {
        window.attach(events, form.scene());
        window.describe(state);
        window.loadAndShow();
    }
    void show() { show(form); }
};

} // namespace vexel::testsupport
