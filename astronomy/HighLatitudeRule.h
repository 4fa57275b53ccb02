#pragma once

#include "astronomy/PrayerCalculator.h"

#include <QString>
#include <QStringList>

// How dawn and Isha are found where the sun does not sink to their angles
// (beyond about 48.6 degrees in summer), and sunrise and sunset where it does
// not rise or set at all: every day still gets all its events, in order.
namespace HighLatitudeRule {

enum class Rule {
    MiddleOfNight,  // dawn no earlier, Isha no later than the middle of the night
    SeventhOfNight, // ... than the last (first) seventh of the night
    TwilightAngle,  // ... than angle/60 of the night before sunrise (after sunset)
};

QStringList names();                // in the order a user should see them
QString title(const QString &name); // Albanian; empty for an unknown name
// Throws CalculationError for an unknown name.
Rule named(const QString &name);
// The rule a method keeps unless the user chooses another.
inline constexpr char defaultName[] = "seventh-of-night";

// The latitude whose sunrise and sunset a place beyond it takes on the days
// its own sun does not rise or set: the sun rises and sets there every day.
inline constexpr double lastRisingLatitude = 65;

// The latitude (degrees) beyond which the sun fails to sink to the angle on
// some day of the year: about 48.6 degrees for 18.
double angleFailsBeyond(double angle);
bool angleCanFail(double latitude, double angle);

// The day's events with the missing ones supplied and, where the sun fails
// to sink to an angle on some day of the year, dawn and Isha held within the
// rule's share of the night every day (unless onlyMissing: a method with a
// summer rule of its own).
SolarDay complete(const PartialDay &day, Rule rule, double latitude, double fajrAngle,
                  double ishaAngle, double asrShadowFactor, bool onlyMissing = false);

} // namespace HighLatitudeRule
