#include "astronomy/CrescentRule.h"

#include "astronomy/AmericasCoast.h"
#include "astronomy/LocalSky.h"
#include "astronomy/Mjd.h"
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

// The congress's rule applies from the months of 2017 on.
const QDate congressRuleFrom(2017, 1, 1);

constexpr double visibleElongation = 8.0;
constexpr double visibleAltitude = 5.0;
constexpr double astronomicalDawn = -18.0;
constexpr GroundPoint wellington{-41.29, 174.78};

// The UT date of an instant.
QDate utDate(double mjd)
{
    return QDate(1858, 11, 17).addDays(qint64(std::floor(mjd)));
}

// An instant at a local mean time of a date.
double localMeanTime(QDate date, double hours, GroundPoint where)
{
    return Mjd::fromDate(date) + hours / 24.0 - where.longitude / 360.0;
}

// The crescent stands 5° high with the elongation 8° at sunset somewhere on
// the west coast of the Americas on its local date `day`.
bool seenInAmericas(const Lunation &lunation, QDate day, const LocalSky &sky)
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
bool conjunctionBeforeNewZealandDawn(const Lunation &lunation, QDate day, const LocalSky &sky)
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
    const QDate day = utDate(lunation.visibility);
    if (day >= congressRuleFrom) {
        const LocalSky sky(lunation.visibility);
        if (conjunctionBeforeNewZealandDawn(lunation, day, sky) &&
            seenInAmericas(lunation, day.addDays(-1), sky))
            return day;
    }
    return day.addDays(1);
}

} // namespace CrescentRule
