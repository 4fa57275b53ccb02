#include "astronomy/KmshCalendar.h"

namespace KmshCalendar {

QList<PerpetualCalendar::Row> localRows(const Place &city, int year)
{
    CalendarMethod method;
    method.method = QLatin1String(name);
    return PlaceCalendar::localRows(city, method, year);
}

QString source(const QString &cityName)
{
    Place city;
    city.name = cityName;
    CalendarMethod method;
    method.method = QLatin1String(name);
    return PlaceCalendar::source(city, method);
}

} // namespace KmshCalendar
