#include "astronomy/CalendarTable.h"

#include "data/PerpetualCalendar.h"

#include <memory>

QList<QDate> CalendarTable::dates(int year)
{
    const int leapYear = PerpetualCalendar::leapYearFor(year);
    QList<QDate> list;
    for (QDate d(year, 1, 1); d.year() == year; d = d.addDays(1)) {
        if (d.month() == 3 && d.day() == 1 && leapYear != year)
            list << QDate(leapYear, 2, 29);
        list << d;
    }
    return list;
}

CalendarTable::CalendarTable(int year, const Place &place, const PrayerMethod &method,
                             const SunTrack &track)
    : m_place(place)
{
    const PrayerCalculator calculator(track, place, method);
    m_standardOffset = calculator.standardOffset(QDate(year, 1, 1));
    std::unique_ptr<SunTrack> leapTrack;
    std::unique_ptr<PrayerCalculator> leapCalculator;
    for (const QDate &date : dates(year)) {
        const bool own = date.year() == year;
        if (!own && !leapCalculator) {
            leapTrack = std::make_unique<SunTrack>(date, date);
            leapCalculator = std::make_unique<PrayerCalculator>(*leapTrack, place, method);
        }
        const PrayerCalculator &calc = own ? calculator : *leapCalculator;
        const SolarDay events = calc.day(date);
        m_rows.append(
            {date.day(), date.month(), date, calc.clockTimes(events), calc.standardTimes(events)});
        if (own) {
            m_ownDays << date;
            m_ownEvents << events;
        }
    }
}
