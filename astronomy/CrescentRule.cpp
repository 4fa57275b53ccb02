#include "astronomy/CrescentRule.h"

#include "astronomy/AmericasCoast.h"
#include "astronomy/LocalSky.h"
#include "astronomy/MoonSun.h"

#include <cmath>

namespace CrescentRule {
namespace {

// The new moon of 2000 January 6, 18:14 UT, before Shawwal 1420 (month
// index 17037), and the mean length of a lunation: the new moon before any
// other month is sought from there.
constexpr double knownNewMoon = 51549.76;
constexpr int knownNewMoonMonth = 17037;
constexpr double synodicMonth = 29.530588861;

// The congress's rule applies from the months of 2017 on (MJD of 1 January).
constexpr double congressRuleFrom = 57754;
// Julian day number of the day with MJD 0.
constexpr qint64 mjdDayZero = 2400001;

constexpr double visibleElongation = 8.0;
constexpr double visibleAltitude = 5.0;
constexpr double astronomicalDawn = -18.0;
constexpr GroundPoint wellington{-41.29, 174.78};

// The day an instant (MJD, UT) falls on, in UT.
qint64 utDay(double mjd)
{
    return qint64(std::floor(mjd));
}

// An instant at a local mean time of a day given in UT (MJD of its 0h).
double localMeanTime(qint64 day, double hours, GroundPoint where)
{
    return double(day) + hours / 24.0 - where.longitude / 360.0;
}

// The crescent stands 5° high with the elongation 8° at sunset somewhere on
// the west coast of the Americas on its local date `day`.
bool seenInAmericas(const Lunation &lunation, qint64 day, const LocalSky &sky)
{
    for (const GroundPoint &point : americasWestCoast()) {
        const auto sunset =
            sky.sunCrossing(point, sunsetAltitude, true, localMeanTime(day, 18, point));
        if (sunset && *sunset >= lunation.visibility &&
            sky.altitude(MoonSun::moon(*sunset), *sunset, point) >= visibleAltitude)
            return true;
    }
    return false;
}

// The conjunction came before dawn in Wellington on New Zealand's date `day`.
bool conjunctionBeforeNewZealandDawn(const Lunation &lunation, qint64 day, const LocalSky &sky)
{
    const auto dawn =
        sky.sunCrossing(wellington, astronomicalDawn, false, localMeanTime(day, 5, wellington));
    return dawn && lunation.conjunction < *dawn;
}

} // namespace

Lunation lunationBefore(int monthIndex)
{
    Lunation lunation;
    lunation.conjunction = MoonSun::conjunctionNear(
        knownNewMoon + synodicMonth * double(monthIndex - knownNewMoonMonth));
    lunation.visibility = MoonSun::elongationReached(lunation.conjunction, visibleElongation);
    return lunation;
}

QDate firstDay(int monthIndex)
{
    const Lunation lunation = lunationBefore(monthIndex);
    const qint64 day = utDay(lunation.visibility);
    qint64 first = day + 1;
    if (lunation.visibility >= congressRuleFrom) {
        const LocalSky sky(lunation.visibility);
        if (conjunctionBeforeNewZealandDawn(lunation, day, sky) &&
            seenInAmericas(lunation, day - 1, sky))
            first = day;
    }
    return QDate::fromJulianDay(first + mjdDayZero);
}

} // namespace CrescentRule
