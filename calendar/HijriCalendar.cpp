#include "calendar/HijriCalendar.h"

#include "calendar/CalendarError.h"
#include "calendar/HijriMonthTable.h"
#include "calendar/TabularHijri.h"

#include <QFile>
#include <algorithm>

namespace {

// Hijri years are written with four digits.
constexpr int lastHijriYear = 9999;
constexpr int monthCount = 12 * lastHijriYear;

int adjustment = 0; // HijriCalendar::setAdjustmentDays

void checkMonth(int year, int month)
{
    if (year < 1 || year > lastHijriYear || month < 1 || month > 12)
        throw CalendarError(
            QStringLiteral("Muaji hixhri %1 i vitit %2 nuk ekziston.").arg(month).arg(year));
}

HijriMonthTable compiledTable()
{
    QFile file(QStringLiteral(":/kolvira/hijri-months.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        throw CalendarError(QStringLiteral("Tabela e muajve hixhri mungon në program."));
    return HijriMonthTable::read(file.readAll());
}

} // namespace

const HijriCalendar &HijriCalendar::instance()
{
    static const HijriCalendar calendar;
    return calendar;
}

HijriCalendar::HijriCalendar()
{
    const HijriMonthTable table = compiledTable();
    m_firstComputedMonth = 12 * (table.firstYear - 1);
    m_computedStarts.reserve(table.starts.size());
    for (const QDate &start : table.starts)
        m_computedStarts.push_back(start.toJulianDay());
    const int end = m_firstComputedMonth + int(m_computedStarts.size()) - 1;
    m_shiftBefore = m_computedStarts.front() - TabularHijri::monthStart(m_firstComputedMonth);
    m_shiftAfter = m_computedStarts.back() - TabularHijri::monthStart(end);
}

qint64 HijriCalendar::monthStart(int monthIndex) const
{
    const int offset = monthIndex - m_firstComputedMonth;
    if (offset < 0)
        return TabularHijri::monthStart(monthIndex) + m_shiftBefore;
    if (offset < int(m_computedStarts.size()))
        return m_computedStarts[std::size_t(offset)];
    return TabularHijri::monthStart(monthIndex) + m_shiftAfter;
}

int HijriCalendar::monthContaining(qint64 julianDay) const
{
    if (julianDay < m_computedStarts.front())
        return TabularHijri::monthContaining(julianDay - m_shiftBefore);
    if (julianDay >= m_computedStarts.back())
        return TabularHijri::monthContaining(julianDay - m_shiftAfter);
    const auto next = std::upper_bound(m_computedStarts.begin(), m_computedStarts.end(), julianDay);
    return m_firstComputedMonth + int(next - m_computedStarts.begin()) - 1;
}

void HijriCalendar::setAdjustmentDays(int days)
{
    adjustment = std::clamp(days, -2, 2);
}

int HijriCalendar::adjustmentDays()
{
    return adjustment;
}

HijriDate HijriCalendar::fromDate(const QDate &date) const
{
    if (!date.isValid())
        throw CalendarError(QStringLiteral("Data nuk është e vlefshme."));
    const qint64 julianDay = date.toJulianDay() + adjustment;
    if (julianDay < monthStart(0))
        throw CalendarError(QStringLiteral("Data %1 është para fillimit të kalendarit hixhri.")
                                .arg(date.toString(Qt::ISODate)));
    if (julianDay >= monthStart(monthCount))
        throw CalendarError(QStringLiteral("Data %1 është pas fundit të kalendarit hixhri.")
                                .arg(date.toString(Qt::ISODate)));
    const int index = monthContaining(julianDay);
    return HijriDate{index / 12 + 1, index % 12 + 1, int(julianDay - monthStart(index)) + 1};
}

QDate HijriCalendar::toDate(const HijriDate &hijri) const
{
    checkMonth(hijri.year, hijri.month);
    if (hijri.day < 1 || hijri.day > monthLength(hijri.year, hijri.month))
        throw CalendarError(QStringLiteral("Dita %1 nuk ekziston në muajin hixhri %2 të vitit %3.")
                                .arg(hijri.day)
                                .arg(hijri.month)
                                .arg(hijri.year));
    return QDate::fromJulianDay(monthStart(12 * (hijri.year - 1) + hijri.month - 1) + hijri.day -
                                1 - adjustment);
}

int HijriCalendar::monthLength(int year, int month) const
{
    checkMonth(year, month);
    const int index = 12 * (year - 1) + month - 1;
    return int(monthStart(index + 1) - monthStart(index));
}

QDate HijriCalendar::computedFrom() const
{
    return QDate::fromJulianDay(m_computedStarts.front());
}

QDate HijriCalendar::computedUntil() const
{
    return QDate::fromJulianDay(m_computedStarts.back() - 1);
}
