#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The names people write for the towns of the calendar's list (the list's
// own, the Albanian definite form, the official one in Latin and Cyrillic
// letters, the English one), so that a town is found by any of them and a
// place of the world that is one of the list's towns is taken as that town.
namespace CityNames {

// Every name of the list's town, its own first; none for another place.
QStringList of(const QString &listName);
// The list's town that the text names, however it is written (case,
// accents, Cyrillic); none when it names none.
std::optional<QString> townNamed(const QString &typed);
// The list's town that a place of the world is: one of the place's names is
// one of the town's and it lies within a few kilometres of it.
std::optional<QString> sameTown(const QStringList &placeNames, double latitude, double longitude);

} // namespace CityNames
