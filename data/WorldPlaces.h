#pragma once

#include <QHash>
#include <QList>
#include <QString>

// A populated place of the world, as the search window shows it.
struct WorldPlace
{
    qint64 id = 0;        // GeoNames id
    QString name;         // the Albanian name where we have one, else GeoNames' name
    QString geoNamesName; // as the country writes it, e.g. Zürich for Cyrih
    QString countryCode;  // ISO 3166-1 alpha-2
    QString country;      // in Albanian where Debian translates it
    double latitude = 0;
    double longitude = 0;
    QString timeZone; // IANA name
    qint64 population = 0;
    int rank = -1; // how well it matched the search that found it, as matchRank tells
};

// Lower case without diacritics (ë→e, ç→c, ü→u, ß→ss), so that a name
// typed on any keyboard finds its place.
QString foldForSearch(const QString &text);

// How well a typed text (folded) matches names (folded, one a line; after
// an empty line come the names a place is not shown by): 0/1 a whole name
// (shown/other), 2/3 the start of a name, 4/5 the start of a word in it,
// -1 not at all.
int matchRank(QStringView names, QStringView typed);

// The world's places of at least 15,000 people (GeoNames, as Debian ships
// them), searched by any of their names and ours in Albanian. Loaded only
// when someone searches: it holds a few tens of MiB.
class WorldPlaces
{
public:
    // From Debian's files; throws KolviraError naming a missing file and its package.
    static WorldPlaces load();
    static WorldPlaces load(const QString &citiesFile, const QString &isoJson,
                            const QString &isoMo);

    // The places whose names match, best first: a whole name, then a
    // name's start, then a word's start; within each, the most populous.
    QList<WorldPlace> search(const QString &typed, int limit = 30) const;
    qsizetype size() const { return m_places.size(); }

private:
    struct Entry
    {
        WorldPlace place;
        QString names; // every Latin-script name, folded, one a line, as matchRank reads them
    };
    QList<Entry> m_places;
};

// The English-to-Albanian table of a gettext catalogue (.mo file); throws
// KolviraError when the file is missing or not a catalogue.
QHash<QString, QString> readGettextCatalogue(const QString &path);
