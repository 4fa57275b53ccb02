#pragma once

#include "astronomy/Place.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The cities of the calendar, read from a tab-separated list: name, latitude,
// longitude, time zone, for the towns the official calendar names its
// minutes (for BFI's towns, against its table; a town without them takes its
// noon's), and for the towns that keep a calendar of their own its name
// ("kmsh", "bfi"); '#' starts a comment line. Every failure throws
// CalculationError naming the file and line.
namespace CityList {

QList<Place> parse(const QByteArray &utf8, const QString &source);
QList<Place> load(const QString &path);
// The list built into the program (data/cities.tsv of the sources).
QList<Place> builtIn();
// The city of that name (exact match, however its letters are composed);
// named gives nullptr, find throws CalculationError when there is none.
const Place *named(const QList<Place> &cities, const QString &name);
const Place &find(const QList<Place> &cities, const QString &name);

} // namespace CityList
