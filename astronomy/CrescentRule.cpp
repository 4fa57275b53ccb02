#include "astronomy/CrescentRule.h"

#include "astronomy/AmericasCoast.h"
#include "astronomy/Mjd.h"
#include "astronomy/MoonSun.h"
#include "astronomy/SunEvents.h"
#include "astronomy/TimeScale.h"

#include <erfa.h>
#include <erfam.h>

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

Place wellington()
{
    Place place;
    place.latitude = -41.29;
    place.longitude = 174.78;
    return place;
}

// The lunation that begins a month, in UT1: the conjunction and the
// first-visibility moment, when the geocentric angle between moon and sun
// reaches 8°.
struct Lunation
{
    double conjunction = 0;
    double visibility = 0;
};

// The crescent stands 5° high with the elongation 8° at sunset somewhere on
// the west coast of the Americas on its local date `day`.
bool seenInAmericas(const Lunation &lunation, QDate day, const SunTrack &sun)
{
    // The moon into the intermediate system: the precession and nutation of
    // the earth's axis move it by less than an arcsecond in two days.
    double toIntermediate[3][3];
    eraC2i00b(ERFA_DJM0, TimeScale::ttFromUt1(lunation.visibility), toIntermediate);
    for (const Place &point : americasWestCoast()) {
        const SunEvents sky(sun, point);
        const auto sunset = sky.crossing(SunEvents::horizonAltitude,
                                         Mjd::fromLocalMeanTime(day, 18, point.longitude),
                                         SunEvents::Side::Evening);
        if (!sunset || *sunset < lunation.visibility)
            continue;
        MoonSun::Vector moon = MoonSun::moon(*sunset);
        MoonSun::Vector moonIntermediate;
        eraRxp(toIntermediate, moon.data(), moonIntermediate.data());
        if (sky.look(moonIntermediate, *sunset).altitude * ERFA_DR2D >= visibleAltitude)
            return true;
    }
    return false;
}

// The conjunction came before dawn in Wellington on New Zealand's date `day`.
bool conjunctionBeforeNewZealandDawn(const Lunation &lunation, QDate day, const SunTrack &sun)
{
    const Place place = wellington();
    const auto dawn =
        SunEvents(sun, place)
            .crossing(astronomicalDawn, Mjd::fromLocalMeanTime(day, 5, place.longitude),
                      SunEvents::Side::Morning);
    return dawn && lunation.conjunction < *dawn;
}

} // namespace

QDate firstDay(int monthIndex)
{
    const double meanNewMoon = knownNewMoon + synodicMonth * double(monthIndex - knownNewMoonMonth);
    // The true new moon is within fifteen hours of the mean one, the
    // elongation is reached within two days of it, and the evening before
    // that day is over in the Americas a day later: the track covers them.
    const QDate around = Mjd::toDate(meanNewMoon);
    const SunTrack sun(around.addDays(-1), around.addDays(3), SunTrack::Scale::Ut1);
    Lunation lunation;
    lunation.conjunction = MoonSun::conjunctionNear(meanNewMoon, sun);
    lunation.visibility = MoonSun::elongationReached(lunation.conjunction, visibleElongation, sun);
    const QDate day = Mjd::toDate(lunation.visibility);
    if (day >= congressRuleFrom && conjunctionBeforeNewZealandDawn(lunation, day, sun) &&
        seenInAmericas(lunation, day.addDays(-1), sun))
        return day;
    return day.addDays(1);
}

} // namespace CrescentRule
