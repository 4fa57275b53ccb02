#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// The dates of a table's date column: "2026-03-15", "15.03.2026", or with
// slashes or dashes and the year last, where the day may come first
// ("15/03/2026") or the month ("3/15/2026"). Which of the two is decided from
// the whole column: the reading by which every date exists, and else the one
// by which more rows follow each other day by day. A spreadsheet's time after
// the date ("2026-03-15 00:00:00") is left out; a year outside 1900 .. 2199
// (a Hijri date) is no date.
class TableDates
{
public:
    explicit TableDates(const QStringList &column);

    // Whether the cell is a date by one of the readings.
    static bool isDate(const QString &cell);
    // False when the column has dates of both kinds' look ("03/04/2026") and
    // nothing in it tells which is meant.
    bool decided() const { return m_decided; }
    // The cell's date by the column's reading; invalid when it is none.
    QDate read(const QString &cell) const;

private:
    bool m_dayFirst = true;
    bool m_decided = true;
};
