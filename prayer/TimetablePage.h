#pragma once

#include "calendar/HijriCalendar.h"
#include "calendar/HolyDays.h"
#include "prayer/CityTimetable.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// One page of a city's timetable, as the month window shows it and a printed
// page or a calendar file holds it: a Gregorian month, or the month of
// Ramadan across its two Gregorian months.
struct TimetablePage
{
    struct Row
    {
        QDate date;
        QString weekday;                 // "E enjte"
        HijriDate hijri;                 // as the program reckons it
        QString hijriText;               // "1 Ramadan"
        std::array<QTime, 7> times;      // Imsaku .. Isha
        std::vector<HolyDay> holyDays;   // the day's, and the night its evening begins
        std::array<bool, 7> estimated{}; // shown "≈05:12": a high-latitude rule's estimate
    };

    QString cityName;
    int minutes = 0;
    QString source;
    QString timeZone;
    QString title; // the Gregorian and the Hijri months: "Shkurt 2026 · Sha'ban – Ramadan 1447"
    bool ramadan = false;
    // The time columns in the order shown: indices of Row::times.
    std::array<int, 7> order{0, 1, 2, 3, 4, 5, 6};
    QList<Row> rows;
    QString note; // a line under the days: what "≈" means, the Bajram prayer after Ramadan

    // "Prishtinë (-1 min) · <source>"
    QString cityLine() const;
    // The column names and a row's cells, in the order shown: date, weekday,
    // Hijri date, the times.
    QStringList headers() const;
    QStringList cells(const Row &row) const;
    // "Nata e Kadrit", the names of the row's holy days and nights; empty for none.
    static QString holyNames(const Row &row);
};

namespace TimetablePages {

// The one place where the program's Hijri date of a day is taken.
HijriDate hijriDay(const QDate &date);

TimetablePage month(const CityTimetable &timetable, int year, int month);
// The days 1 to the last of Ramadan of that Hijri year.
TimetablePage ramadan(const CityTimetable &timetable, int hijriYear);
// The Hijri year whose Ramadan begins in the Gregorian year.
int ramadanYearIn(int gregorianYear);
// The twelve months of the year.
QList<TimetablePage> year(const CityTimetable &timetable, int year);

} // namespace TimetablePages
