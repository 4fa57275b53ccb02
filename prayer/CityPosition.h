#pragma once

#include <QSqlDatabase>
#include <QtGlobal>

#include <optional>

// Where a city of the list or a place the user added lies: a place the user
// added by its own coordinates, a city that keeps its own calendar by its
// entry, any other city of the list by the program's list of cities.
// Throws DatabaseError.
namespace CityPosition {

struct LatLon
{
    double latitude = 0;  // degrees north
    double longitude = 0; // degrees east
};

// None for a key the file lacks or a city whose place no list gives.
std::optional<LatLon> of(const QSqlDatabase &db, qint32 cityKey);

} // namespace CityPosition
