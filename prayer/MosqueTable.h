#pragma once

#include "data/KolviraError.h"
#include "data/PerpetualCalendar.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

#include <array>

// A mosque's printed yearly table as a file: a row a day, a date
// (YYYY-MM-DD or DD.MM.YYYY) and six times (one dawn: Imsaku and Fexhri
// alike, then sunrise .. Isha) or seven (Imsaku .. Isha), in the clock time
// of the place as printed; fields apart by commas, semicolons or tabs; an
// optional header line; blank lines and lines starting with '#' ignored.
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
};

// Throws ReadError.
QList<Day> parse(const QByteArray &bytes);
// The same, the message naming the file and saying that nothing changed.
QList<Day> readFile(const QString &path);

// The days as the rows of a perpetual calendar in the zone's standard time,
// each moved back by the minutes the city's adhan follows its rows with, so
// that the adhan comes at the printed time.
QList<PerpetualCalendar::Row> standardRows(const QList<Day> &days, const QString &timeZone,
                                           int cityMinutes);

} // namespace MosqueTable
