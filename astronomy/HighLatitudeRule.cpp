#include "astronomy/HighLatitudeRule.h"

#include "astronomy/CalculationError.h"
#include "astronomy/SunEvents.h"
#include "astronomy/TitledNames.h"

#include <erfam.h>

#include <algorithm>
#include <cmath>

namespace {

// In the order of HighLatitudeRule::Rule.
constexpr TitledName rules[] = {
    {"middle-of-night", "Mesi i natës"},
    {"seventh-of-night", "Një e shtata e natës"},
    {"twilight-angle", "Sipas këndit"},
};

// Days from the transit to the sun's reaching the altitude, at a latitude
// where it does, with the sun's declination held.
double halfArc(double altitudeDegrees, double latitudeDegrees, double declination)
{
    const double lat = latitudeDegrees * ERFA_DD2R;
    const double cosine =
        (std::sin(altitudeDegrees * ERFA_DD2R) - std::sin(lat) * std::sin(declination)) /
        (std::cos(lat) * std::cos(declination));
    return std::acos(std::clamp(cosine, -1.0, 1.0)) / ERFA_D2PI;
}

double portion(HighLatitudeRule::Rule rule, double angle)
{
    switch (rule) {
    case HighLatitudeRule::Rule::MiddleOfNight:
        return 1.0 / 2;
    case HighLatitudeRule::Rule::SeventhOfNight:
        return 1.0 / 7;
    case HighLatitudeRule::Rule::TwilightAngle:
        break;
    }
    return angle / 60;
}

} // namespace

namespace HighLatitudeRule {

QStringList names()
{
    return TitledNames::names(rules);
}

QString title(const QString &name)
{
    return TitledNames::title(rules, name);
}

Rule named(const QString &name)
{
    const int i = TitledNames::indexOf(rules, name);
    if (i < 0)
        throw CalculationError(QStringLiteral("Rregulli i gjerësive të larta \"%1\" nuk njihet; "
                                              "rregullat janë: %2.")
                                   .arg(name, names().join(QStringLiteral(", "))));
    return Rule(i);
}

double angleFailsBeyond(double angle)
{
    constexpr double greatestDeclination = 23.44;
    return 90 - greatestDeclination - angle;
}

bool angleCanFail(double latitude, double angle)
{
    return std::abs(latitude) > angleFailsBeyond(angle);
}

SolarDay complete(const PartialDay &day, Rule rule, double latitude, double fajrAngle,
                  double ishaAngle, double asrShadowFactor, bool onlyMissing)
{
    // Where the sun stays up or down all day, the nearest latitude at which
    // it still rises and sets lends its arcs.
    const double lender = std::copysign(std::min(std::abs(latitude), lastRisingLatitude), latitude);
    const double dayArc = halfArc(SunEvents::horizonAltitude, lender, day.declination);
    SolarDay d;
    d.transit = day.transit;
    d.sunrise = day.sunrise.value_or(day.transit - dayArc);
    d.sunset = day.sunset.value_or(day.transit + dayArc);
    if (day.asr) {
        d.asr = *day.asr;
    } else {
        const double noonAltitude = 90 - std::abs(lender - day.declination / ERFA_DD2R);
        d.asr = day.transit +
                halfArc(SunEvents::shadowAltitude(asrShadowFactor, noonAltitude * ERFA_DD2R),
                        lender, day.declination);
    }
    // Where the sun fails to sink to an angle on some day of the year, the
    // rule bounds that time every day, so the times run on without a jump
    // from the days the angle is reached to those it is not.
    const double night = 1 - (d.sunset - d.sunrise);
    const double earliestDawn = d.sunrise - portion(rule, fajrAngle) * night;
    const double latestNightfall = d.sunset + portion(rule, ishaAngle) * night;
    d.dawn = !day.dawn                                           ? earliestDawn
             : !onlyMissing && angleCanFail(latitude, fajrAngle) ? std::max(*day.dawn, earliestDawn)
                                                                 : *day.dawn;
    d.nightfall = !day.nightfall ? latestNightfall
                  : !onlyMissing && angleCanFail(latitude, ishaAngle)
                      ? std::min(*day.nightfall, latestNightfall)
                      : *day.nightfall;
    // Imsaku and Fexhri follow dawn; the transit is always the sun's own.
    const auto differs = [](const std::optional<double> &own, double set) {
        return !own || *own != set;
    };
    d.estimated = {differs(day.dawn, d.dawn),
                   differs(day.dawn, d.dawn),
                   differs(day.sunrise, d.sunrise),
                   false,
                   differs(day.asr, d.asr),
                   differs(day.sunset, d.sunset),
                   differs(day.nightfall, d.nightfall)};
    return d;
}

} // namespace HighLatitudeRule
