#include "calendar/HijriCalendar.h"

#include "calendar/CalendarError.h"

#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

namespace {

// Julian day of 1 January 1970, ICU's zero, and of 1 Muharram 1.
constexpr qint64 unixEpochJulianDay = 2440588;
constexpr qint64 firstHijriJulianDay = 1948439;
constexpr double msPerDay = 86400000.0;
// Hijri years are written with four digits.
constexpr int lastHijriYear = 9999;

void check(UErrorCode status)
{
    if (U_FAILURE(status))
        throw CalendarError(QStringLiteral("Kalendari hixhri dështoi: %1.")
                                .arg(QString::fromLatin1(u_errorName(status))));
}

void checkMonth(int year, int month)
{
    if (year < 1 || year > lastHijriYear || month < 1 || month > 12)
        throw CalendarError(
            QStringLiteral("Muaji hixhri %1 i vitit %2 nuk ekziston.").arg(month).arg(year));
}

} // namespace

HijriCalendar &HijriCalendar::forThisThread()
{
    thread_local HijriCalendar calendar;
    return calendar;
}

HijriCalendar::HijriCalendar()
{
    UErrorCode status = U_ZERO_ERROR;
    m_calendar.reset(icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(),
                                                   icu::Locale("@calendar=islamic-tbla"), status));
    check(status);
    // ICU falls back to another calendar for an unknown keyword instead of failing.
    if (qstrcmp(m_calendar->getType(), "islamic-tbla") != 0)
        throw CalendarError(QStringLiteral("Kalendari hixhri nuk gjendet në ICU."));
}

HijriCalendar::~HijriCalendar() = default;

HijriDate HijriCalendar::fromDate(const QDate &date)
{
    if (!date.isValid())
        throw CalendarError(QStringLiteral("Data nuk është e vlefshme."));
    const qint64 julianDay = date.toJulianDay();
    if (julianDay < firstHijriJulianDay)
        throw CalendarError(QStringLiteral("Data %1 është para fillimit të kalendarit hixhri.")
                                .arg(date.toString(Qt::ISODate)));
    UErrorCode status = U_ZERO_ERROR;
    m_calendar->setTime(double(julianDay - unixEpochJulianDay) * msPerDay, status);
    HijriDate hijri;
    hijri.year = m_calendar->get(UCAL_EXTENDED_YEAR, status);
    hijri.month = m_calendar->get(UCAL_MONTH, status) + 1;
    hijri.day = m_calendar->get(UCAL_DATE, status);
    check(status);
    if (hijri.year > lastHijriYear)
        throw CalendarError(QStringLiteral("Data %1 është pas fundit të kalendarit hixhri.")
                                .arg(date.toString(Qt::ISODate)));
    return hijri;
}

QDate HijriCalendar::toDate(const HijriDate &hijri)
{
    checkMonth(hijri.year, hijri.month);
    // Every month has at least 29 days; only the 30th needs the month's length.
    if (hijri.day < 1 || hijri.day > 30 ||
        (hijri.day == 30 && monthLength(hijri.year, hijri.month) < 30))
        throw CalendarError(QStringLiteral("Dita %1 nuk ekziston në muajin hixhri %2 të vitit %3.")
                                .arg(hijri.day)
                                .arg(hijri.month)
                                .arg(hijri.year));
    setFirstOfMonth(hijri.year, hijri.month);
    m_calendar->set(UCAL_DATE, hijri.day);
    UErrorCode status = U_ZERO_ERROR;
    const int julianDay = m_calendar->get(UCAL_JULIAN_DAY, status);
    check(status);
    return QDate::fromJulianDay(julianDay);
}

int HijriCalendar::monthLength(int year, int month)
{
    checkMonth(year, month);
    // The distance to the first of the next month; ICU carries month 13 into
    // the next year.
    UErrorCode status = U_ZERO_ERROR;
    setFirstOfMonth(year, month);
    const int first = m_calendar->get(UCAL_JULIAN_DAY, status);
    setFirstOfMonth(year, month + 1);
    const int next = m_calendar->get(UCAL_JULIAN_DAY, status);
    check(status);
    return next - first;
}

void HijriCalendar::setFirstOfMonth(int year, int month)
{
    m_calendar->clear();
    m_calendar->set(UCAL_EXTENDED_YEAR, year);
    m_calendar->set(UCAL_MONTH, month - 1);
    m_calendar->set(UCAL_DATE, 1);
}
