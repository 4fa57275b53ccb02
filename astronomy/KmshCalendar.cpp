#include "astronomy/KmshCalendar.h"

#include "astronomy/CalendarTable.h"

namespace KmshCalendar {

QList<PerpetualCalendar::Row> localRows(const Place &city, int year)
{
    const SunTrack track(QDate(year, 1, 1), QDate(year, 12, 31));
    const CalendarTable table(year, city, PrayerMethod::named(QLatin1String(name)), track);
    QList<PerpetualCalendar::Row> rows;
    rows.reserve(table.rows().size());
    for (const CalendarTable::Row &row : table.rows())
        rows << PerpetualCalendar::Row{row.day, row.month, row.times};
    return rows;
}

QString source(const QString &cityName)
{
    return QStringLiteral("Takvimi i Komunitetit Mysliman të Shqipërisë (KMSH) për %1")
        .arg(cityName);
}

} // namespace KmshCalendar
