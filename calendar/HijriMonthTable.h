#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <vector>

// The first days of consecutive Hijri months, from 1 Muharram of firstYear
// to the 1 Muharram that follows the last year, and the text file they are
// kept in: comment lines, then one row per year with its 1 Muharram and the
// lengths of its twelve months.
struct HijriMonthTable
{
    int firstYear = 0;
    std::vector<QDate> starts; // 12 a year, and one more

    int lastYear() const { return firstYear + int(starts.size() / 12) - 1; }

    // Throws CalendarError for a text that is no such table or has a month
    // of other than 29 or 30 days.
    static HijriMonthTable read(const QByteArray &text);
    // The rows, after the comment lines given (each without its "# ").
    QByteArray write(const QStringList &comments) const;
};
