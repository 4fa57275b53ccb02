#pragma once

#include <QDate>
#include <QtGlobal>
#include <vector>

// A day named by its Hijri year, month (1 to 12) and day of month.
struct HijriDate
{
    int year = 0;
    int month = 0;
    int day = 0;
};

// The Hijri calendar the Islamic communities of Kosovo, Albania and North
// Macedonia keep: the months of Turkey's Presidency of Religious Affairs
// (Diyanet). Over the computed years (1899 to 2101) the first days of the
// months are read from the table generators/hijri-months writes
// (calendar/hijri-months.tsv); before and after them runs the arithmetic
// calendar, shifted by the days it differs from the table at each end, so
// that the months at the seams still have 29 or 30 days. Valid from its
// 1 Muharram 1 (July 622) to the end of the Hijri year 9999.
class HijriCalendar
{
public:
    // The calendar of the whole program. Throws CalendarError if the month
    // table compiled into the program is damaged.
    static const HijriCalendar &instance();

    // Throws CalendarError for an invalid date or one outside the span above.
    HijriDate fromDate(const QDate &date) const;
    // Throws CalendarError unless the month has that day.
    QDate toDate(const HijriDate &hijri) const;
    // 29 or 30. Throws CalendarError for a month outside 1 to 12 or a year outside 1 to 9999.
    int monthLength(int year, int month) const;

    // Days added to every Hijri date the program shows, -2 to +2, for a
    // community that announces a month a day or two apart from the table.
    // Applies to fromDate and toDate alike, so every reader follows it.
    static void setAdjustmentDays(int days);
    static int adjustmentDays();

    // The first and the last day of the computed months.
    QDate computedFrom() const;
    QDate computedUntil() const;

private:
    HijriCalendar();
    // Julian day numbers.
    qint64 monthStart(int monthIndex) const;
    int monthContaining(qint64 julianDay) const;

    int m_firstComputedMonth = 0;
    std::vector<qint64> m_computedStarts; // and the day after the last month
    qint64 m_shiftBefore = 0;             // arithmetic day + shift = Julian day
    qint64 m_shiftAfter = 0;
};
