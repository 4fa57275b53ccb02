#pragma once

#include <QDate>
#include <QString>
#include <vector>

// A day of the official Hijri calendar as published: its Gregorian date and
// the Hijri day, month and year it is.
struct OfficialHijriDate
{
    QDate gregorian;
    int year = 0;
    int month = 0;
    int day = 0;
    QString event;

    // The Gregorian date of the first of its Hijri month.
    QDate monthStart() const { return gregorian.addDays(1 - day); }
};

// The rows of a published list (tab-separated: gregorian, hijri_year,
// hijri_month, hijri_day, event; "#" lines are comments). Throws
// CalendarError when the file cannot be read or a row is malformed.
std::vector<OfficialHijriDate> readOfficialHijriDates(const QString &path);
