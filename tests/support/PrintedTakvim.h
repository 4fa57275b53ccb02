#pragma once

#include "support/FileBytes.h"

#include <QHash>
#include <QStringList>
#include <array>

// Times as minutes of the day, Imsaku .. Isha.
using Minutes = std::array<int, 7>;

// Lines of a day key and seven "hh:mm" times, by that key; a line of six
// has one dawn time, Imsaku, and Fexhri -1.
inline QHash<int, Minutes> byDay(const QStringList &lines, QChar separator)
{
    QHash<int, Minutes> days;
    for (const QString &line : lines) {
        QStringList f = line.split(separator);
        const bool oneDawn = f.size() == 7;
        if (oneDawn)
            f.insert(2, QString());
        Minutes times;
        for (std::size_t i = 0; i < 7; ++i)
            times[i] = f[int(i) + 1].left(2).toInt() * 60 + f[int(i) + 1].mid(3, 2).toInt();
        if (oneDawn)
            times[1] = -1;
        days.insert(f[0].toInt(), times);
    }
    return days;
}

// A published table of 2026 ("2026-MM-DD" and seven times a line), by
// month * 100 + day.
inline QHash<int, Minutes> printed2026(const QString &path)
{
    QStringList lines;
    for (const QString &line : QString::fromUtf8(readFile(path)).split('\n'))
        if (line.startsWith("2026-"))
            lines << line.mid(5, 2) + line.mid(8);
    return byDay(lines, '\t');
}
