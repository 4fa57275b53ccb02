#pragma once

#include "data/KolviraError.h"
#include "data/PerpetualCalendar.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

#include <array>

// A mosque's printed yearly table as a file, as a spreadsheet or the
// publisher saved it: a row a day, with a date and the times in the clock
// time of the place as printed. A header line in one of the languages
// mosques print in places the columns, and other columns (the weekday, a
// Hijri date, Jumu'ah) are passed over; without one, the date comes first,
// then six times (one dawn: Imsaku and Fexhri alike, then sunrise .. Isha) or
// seven (Imsaku .. Isha). Cells apart by tabs, semicolons or commas, quoted
// or not; titles above the header, blank lines and lines starting with '#'
// are passed over. At most a year: a day of the year once.
namespace MosqueTable {

// A line that cannot be read: the message names the line and what is wrong.
class ReadError : public KolviraError
{
public:
    using KolviraError::KolviraError;
};

struct Day
{
    QDate date;
    std::array<QTime, 7> times;

    bool operator==(const Day &) const = default;
};

// The days in the order of the calendar. Throws ReadError.
QList<Day> parse(const QByteArray &bytes);
// The days missing between the table's first and last, named for the user;
// empty when none is.
QString missingNote(const QList<Day> &days);
// The same, the message naming the file and saying that nothing changed.
QList<Day> readFile(const QString &path);

// The days as the rows of a perpetual calendar in the zone's standard time,
// each moved back by the minutes the city's adhan follows its rows with, so
// that the adhan comes at the printed time.
QList<PerpetualCalendar::Row> standardRows(const QList<Day> &days, const QString &timeZone,
                                           int cityMinutes);

} // namespace MosqueTable
