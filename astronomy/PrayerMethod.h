#pragma once

#include <QString>
#include <QStringList>

// How the prayer times follow from the sun: the depression angles of dawn
// (Fexhri) and of nightfall (Isha), the Asr shadow and the Imsak margin.
struct PrayerMethod
{
    double fajrAngle = 18;      // degrees below the horizon before sunrise
    double ishaAngle = 17;      // degrees below the horizon after sunset
    double asrShadowFactor = 1; // 1: standard (Shafi'i, Maliki, Hanbali); 2: Hanafi
    int imsakMinutes = 10;      // Imsaku this many minutes before Fexhri

    // The named sets of angles; the default is that of the Muslim World League.
    static PrayerMethod named(const QString &name); // throws CalculationError for an unknown name
    static QStringList names();
    // Throws CalculationError when a value is out of its sensible range.
    void validate() const;
};
