#include "data/PerpetualCalendar.h"

#include <QDateTime>
#include <QTimeZone>

QList<PerpetualCalendar::Row> PerpetualCalendar::localRows(int year) const
{
    const QTimeZone zone(timeZone.toUtf8());
    int leapYear = year;
    while (!QDate::isLeapYear(leapYear))
        ++leapYear;
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
