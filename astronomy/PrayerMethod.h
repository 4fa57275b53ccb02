#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// How the prayer times follow from the sun: the depression angles of dawn
// (Fexhri) and of nightfall (Isha), the Asr shadow and the Imsak margin.
struct PrayerMethod
{
    double fajrAngle = 18;      // degrees below the horizon before sunrise
    double ishaAngle = 17;      // degrees below the horizon after sunset
    double asrShadowFactor = 1; // 1: standard (Shafi'i, Maliki, Hanbali); 2: Hanafi
    int imsakMinutes = 10;      // Imsaku this many minutes before Fexhri
    // With a value: Imsaku is the dawn, Fexhri this many minutes after Imsaku
    // (the dawn prayer some calendars keep apart from the end of the meal).
    std::optional<int> fajrAfterImsak;
    std::array<int, 7> adjustMinutes{}; // added to Imsaku .. Isha, in that order
    // The sun's place at 0h UT held for the whole day instead of followed
    // through it: how Turkey's Presidency of Religious Affairs (Diyanet)
    // computes the times that the Muslim Community of Albania publishes.
    bool sunOfMidnight = false;
    // Magribi when the sun is this far below the horizon instead of at
    // sunset (the Institute of Geophysics, Tehran).
    std::optional<double> maghribAngle;
    // Isha this many minutes after Magribi instead of by an angle, and in
    // the month of Ramadan (Umm al-Qura).
    std::optional<int> ishaAfterMaghrib;
    std::optional<int> ishaAfterMaghribInRamadan;
    // The Moonsighting Committee's dawn and dusk: no earlier (later) than
    // its seasonal minutes before sunrise (after sunset) for the latitude.
    bool seasonalTwilight = false;
    // Diyanet's calendars beyond 45 degrees: Isha at 16 degrees and, around
    // the summer solstice, dawn and Isha on its straight summer line.
    bool diyanetBeyond45 = false;

    // The named sets of angles and rules; the default is that of the Muslim
    // World League.
    static PrayerMethod named(const QString &name); // throws CalculationError for an unknown name
    static QStringList names();
    // Throws CalculationError when a value is out of its sensible range.
    void validate() const;
};
