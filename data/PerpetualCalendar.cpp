#include "data/PerpetualCalendar.h"

#include <QDateTime>
#include <QTimeZone>

int PerpetualCalendar::leapYearFor(int year)
{
    while (!QDate::isLeapYear(year))
        ++year;
    return year;
}

QTime PerpetualCalendar::standardTime(const QDate &date, const QTime &local) const
{
    const QDateTime instant(date, local, QTimeZone(timeZone.toUtf8()));
    return instant.toUTC().addSecs(standardOffset).time();
}

QList<PerpetualCalendar::Row> PerpetualCalendar::localRows(int year) const
{
    const QTimeZone zone(timeZone.toUtf8());
    const int leapYear = leapYearFor(year);
    QList<Row> local;
    local.reserve(rows.size());
    for (const Row &row : rows) {
        const QDate date(row.month == 2 && row.day == 29 ? leapYear : year, row.month, row.day);
        Row moved = row;
        for (QTime &time : moved.times) {
            if (!time.isValid())
                continue;
            // The instant of the standard time, read on the zone's clock.
            const QDateTime utc = QDateTime(date, time, Qt::UTC).addSecs(-qint64(standardOffset));
            time = utc.toTimeZone(zone).time();
        }
        local << moved;
    }
    return local;
}
