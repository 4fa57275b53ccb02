#pragma once

#include <QDate>
#include <memory>
#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class Calendar;
U_NAMESPACE_END

// A day named by its Hijri year, month (1 to 12) and day of month.
struct HijriDate
{
    int year = 0;
    int month = 0;
    int day = 0;
};

// The tabular Hijri calendar with the astronomical (Thursday) epoch, ICU's
// "islamic-tbla". Dates are whole days: the reckoning runs in UTC, so the
// local time zone never moves a day. Valid from 1 Muharram 1 (15 July 622,
// Julian) to the end of the Hijri year 9999, in the Gregorian year 10322.
class HijriCalendar
{
public:
    // The calendar of the calling thread. Its ICU object is made once and
    // reused, since the clock converts ten times a second.
    static HijriCalendar &forThisThread();

    ~HijriCalendar();
    HijriCalendar(const HijriCalendar &) = delete;
    HijriCalendar &operator=(const HijriCalendar &) = delete;

    // Throws CalendarError for an invalid date or one outside the span above.
    HijriDate fromDate(const QDate &date);
    // Throws CalendarError unless the month has that day.
    QDate toDate(const HijriDate &hijri);
    // 29 or 30. Throws CalendarError for a month outside 1 to 12 or a year outside 1 to 9999.
    int monthLength(int year, int month);

private:
    HijriCalendar();
    void setFirstOfMonth(int year, int month);
    std::unique_ptr<icu::Calendar> m_calendar;
};
