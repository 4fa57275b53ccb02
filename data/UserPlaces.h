#pragma once

#include "data/PerpetualCalendar.h"

#include <QSqlDatabase>
#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

// The places the user added beyond the city list (table VendetEBotes) and
// what the user set for any place to follow a mosque (RregullimetEVendit,
// TabelaEXhamise). A file made before these tables existed reads as having
// none; the writers add the tables first. Every failure throws DatabaseError.
namespace UserPlaces {

// Keys of added places start here, clear of the list's own cities.
inline constexpr qint32 firstKey = 100000;

struct WorldPlace
{
    double latitude = 0;  // degrees north
    double longitude = 0; // degrees east
    QString timeZone;     // IANA name
    QString country;      // ISO 3166 code, or empty
    QString method;       // how its times are computed, e.g. "diyanet"
    QString highLatitude; // the rule where the sun stays high; empty: the method's own
    int asrShadow = 1;    // 2: Hanafi
};

using Minutes = std::array<int, 7>; // added to Imsaku .. Isha

struct Adjustments
{
    Minutes minutes{};
    QString tableName; // the imported mosque table's file name; empty: none
};

// The added place with the key; none for a city of the list.
std::optional<WorldPlace> worldPlace(const QSqlDatabase &db, qint32 key);
Adjustments adjustments(const QSqlDatabase &db, qint32 key);
// The imported mosque table of the place in the standard time of its zone.
QList<PerpetualCalendar::Row> mosqueTable(const QSqlDatabase &db, qint32 key);

// Within the caller's transaction: adds the tables where the file lacks them;
void ensureTables(QSqlDatabase &db);
// adds the place to Qytetet (not selected, minutes 0) and returns its key; a
// place already added keeps its key and takes the new method; a name the list
// holds already gets the country's code after it;
qint32 add(QSqlDatabase &db, const QString &name, const WorldPlace &place);
void setMethod(QSqlDatabase &db, qint32 key, const WorldPlace &place);
// Takes the added place off the list with all that was set for it.
void remove(QSqlDatabase &db, qint32 key);
void setMinutes(QSqlDatabase &db, qint32 key, const Minutes &minutes);
// Replaces the place's mosque table (standard-time rows) and its name.
void setMosqueTable(QSqlDatabase &db, qint32 key, const QList<PerpetualCalendar::Row> &rows,
                    const QString &tableName);

// The minutes as stored ("0 -2 0 1 0 3 0"), and back; a text that is not
// seven whole numbers from -30 to 30 reads as none.
QString minutesText(const Minutes &minutes);
Minutes minutesFromText(const QString &text);

} // namespace UserPlaces
