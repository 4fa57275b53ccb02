#include "astronomy/SeasonalTwilight.h"

#include <cmath>

namespace {

// The values at the winter solstice, 91 days later, 137 and 183 days later
// (the summer solstice), each 75 minutes plus a share of the latitude.
struct Season
{
    double a, b, c, d;
};

// Days since the winter solstice of the place's hemisphere.
int daysSinceWinter(double latitude, QDate date)
{
    const QDate solstice(date.year(), latitude >= 0 ? 12 : 6, 21);
    const qint64 days = solstice.daysTo(date);
    return int(days >= 0 ? days : solstice.addYears(-1).daysTo(date));
}

double along(const Season &s, int day)
{
    if (day < 91)
        return s.a + (s.b - s.a) / 91 * day;
    if (day < 137)
        return s.b + (s.c - s.b) / 46 * (day - 91);
    if (day < 183)
        return s.c + (s.d - s.c) / 46 * (day - 137);
    if (day < 229)
        return s.d + (s.c - s.d) / 46 * (day - 183);
    if (day < 275)
        return s.c + (s.b - s.c) / 46 * (day - 229);
    return s.b + (s.a - s.b) / 91 * (day - 275);
}

Season scaled(double latitude, double a, double b, double c, double d)
{
    const double share = std::abs(latitude) / 55;
    return {75 + a * share, 75 + b * share, 75 + c * share, 75 + d * share};
}

} // namespace

namespace SeasonalTwilight {

double dawnMinutes(double latitude, QDate date)
{
    return along(scaled(latitude, 28.65, 19.44, 32.74, 48.10), daysSinceWinter(latitude, date));
}

double duskMinutes(double latitude, QDate date)
{
    return along(scaled(latitude, 25.60, 2.050, -9.21, 6.14), daysSinceWinter(latitude, date));
}

} // namespace SeasonalTwilight
