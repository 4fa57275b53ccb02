#include "data/WorldPlaces.h"

#include "data/KolviraError.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QStringTokenizer>
#include <QtEndian>

#include <algorithm>

namespace {

const auto citiesPackage = QStringLiteral("libtimezonemap-data");
const auto isoPackage = QStringLiteral("iso-codes");

QByteArray readWhole(const QString &path, const QString &package)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw KolviraError(
            QStringLiteral("Mungon skedari %1 i paketës %2. Instalojeni me: sudo apt install %2")
                .arg(path, package));
    return file.readAll();
}

// Letters that no decomposition takes apart.
QString foldLetter(QChar c)
{
    switch (c.unicode()) {
    case u'ß':
        return QStringLiteral("ss");
    case u'æ':
        return QStringLiteral("ae");
    case u'œ':
        return QStringLiteral("oe");
    case u'ø':
        return QStringLiteral("o");
    case u'ł':
        return QStringLiteral("l");
    case u'đ':
        return QStringLiteral("d");
    case u'ı':
        return QStringLiteral("i");
    case u'þ':
        return QStringLiteral("th");
    default:
        return QString(c);
    }
}

// Names in scripts no Latin keyboard types only cost memory.
bool isLatin(const QString &folded)
{
    return std::all_of(folded.cbegin(), folded.cend(), [](QChar c) { return c.unicode() < 0x250; });
}

// Our own table: the places' names in Albanian and the countries Debian lacks.
void readAlbanianNames(QHash<qint64, QString> &places, QHash<QString, QString> &countries)
{
    QFile file(QStringLiteral(":/kolvira/albanian-place-names.tsv"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != 3)
            continue;
        if (fields[0] == QLatin1String("place"))
            places.insert(fields[1].toLongLong(), fields[2]);
        else if (fields[0] == QLatin1String("country"))
            countries.insert(fields[1], fields[2]);
    }
}

QHash<QString, QString> albanianCountries(const QString &isoJson, const QString &isoMo)
{
    const QHash<QString, QString> albanian = readGettextCatalogue(isoMo);
    QHash<QString, QString> countries;
    const QJsonArray list =
        QJsonDocument::fromJson(readWhole(isoJson, isoPackage)).object().value("3166-1").toArray();
    for (const QJsonValue &value : list) {
        const QString english = value[QLatin1String("name")].toString();
        countries.insert(value[QLatin1String("alpha_2")].toString(),
                         albanian.value(english, english));
    }
    return countries;
}

// How well one name matches: 0 whole, 1 its start, 2 a word's start, -1 not.
int nameRank(QStringView name, QStringView typed)
{
    if (name == typed)
        return 0;
    if (name.startsWith(typed))
        return 1;
    for (qsizetype at = name.indexOf(typed, 1); at > 0; at = name.indexOf(typed, at + 1)) {
        if (!name[at - 1].isLetterOrNumber())
            return 2;
    }
    return -1;
}

} // namespace

QString foldForSearch(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD).toLower();
    QString folded;
    folded.reserve(decomposed.size());
    for (QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        folded += c.unicode() < 0x80 ? QString(c) : foldLetter(c);
    }
    return folded;
}

int matchRank(QStringView names, QStringView typed)
{
    if (typed.isEmpty())
        return -1;
    int best = -1;
    int alternate = 0; // past the empty line: the names the place is not shown by
    for (QStringView name : QStringTokenizer(names, u'\n')) {
        if (name.isEmpty()) {
            alternate = 1;
            continue;
        }
        const int rank = nameRank(name, typed);
        if (rank >= 0 && (best < 0 || 2 * rank + alternate < best))
            best = 2 * rank + alternate;
        if (best == 0)
            break;
    }
    return best;
}

QHash<QString, QString> readGettextCatalogue(const QString &path)
{
    const QByteArray mo = readWhole(path, isoPackage);
    const auto word = [&](qsizetype at, bool big) -> quint32 {
        if (at < 0 || at + 4 > mo.size())
            throw KolviraError(QStringLiteral("Skedari %1 është i dëmtuar.").arg(path));
        return big ? qFromBigEndian<quint32>(mo.constData() + at)
                   : qFromLittleEndian<quint32>(mo.constData() + at);
    };
    const quint32 magic = 0x950412de;
    const bool big = word(0, true) == magic;
    if (!big && word(0, false) != magic)
        throw KolviraError(QStringLiteral("Skedari %1 nuk është katalog përkthimesh.").arg(path));
    const quint32 count = word(8, big), originals = word(12, big), translations = word(16, big);
    const auto text = [&](quint32 table, quint32 i) {
        const quint32 length = word(table + 8 * i, big), offset = word(table + 8 * i + 4, big);
        if (qsizetype(offset) + length > mo.size())
            throw KolviraError(QStringLiteral("Skedari %1 është i dëmtuar.").arg(path));
        return QString::fromUtf8(mo.constData() + offset, length);
    };
    QHash<QString, QString> catalogue;
    for (quint32 i = 0; i < count; ++i)
        catalogue.insert(text(originals, i), text(translations, i));
    return catalogue;
}

WorldPlaces WorldPlaces::load()
{
    return load(QStringLiteral("/usr/share/libtimezonemap/ui/cities15000.txt"),
                QStringLiteral("/usr/share/iso-codes/json/iso_3166-1.json"),
                QStringLiteral("/usr/share/locale/sq/LC_MESSAGES/iso_3166-1.mo"));
}

WorldPlaces WorldPlaces::load(const QString &citiesFile, const QString &isoJson,
                              const QString &isoMo)
{
    const QByteArray cities = readWhole(citiesFile, citiesPackage);
    QHash<QString, QString> countries = albanianCountries(isoJson, isoMo);
    QHash<qint64, QString> ourNames;
    readAlbanianNames(ourNames, countries);
    QSet<QString> timeZones; // one copy of each zone's name, shared by its places

    WorldPlaces world;
    for (const QByteArray &line : cities.split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() < 18)
            continue;
        WorldPlace place;
        place.id = fields[0].toLongLong();
        place.geoNamesName = QString::fromUtf8(fields[1]);
        place.name = ourNames.value(place.id, place.geoNamesName);
        place.countryCode = QString::fromLatin1(fields[8]);
        place.country = countries.value(place.countryCode, place.countryCode);
        place.latitude = fields[4].toDouble();
        place.longitude = fields[5].toDouble();
        place.timeZone = *timeZones.insert(QString::fromLatin1(fields[17]));
        place.population = fields[14].toLongLong();

        QStringList shown{foldForSearch(place.name), foldForSearch(place.geoNamesName),
                          QString::fromLatin1(fields[2]).toLower()};
        shown.removeDuplicates();
        QStringList alternates;
        for (const QByteArray &alternate : fields[3].split(','))
            alternates.append(foldForSearch(QString::fromUtf8(alternate)));
        alternates.removeIf([&](const QString &name) {
            return name.isEmpty() || !isLatin(name) || shown.contains(name);
        });
        alternates.removeDuplicates();
        QString joined = shown.join(QLatin1Char('\n')) + QStringLiteral("\n\n") +
                         alternates.join(QLatin1Char('\n'));
        joined.squeeze();
        world.m_places.append({std::move(place), std::move(joined)});
    }
    world.m_places.squeeze();
    return world;
}

QList<WorldPlace> WorldPlaces::search(const QString &typed, int limit) const
{
    const QString folded = foldForSearch(typed.simplified());
    QList<std::pair<int, const Entry *>> hits;
    if (folded.isEmpty())
        return {};
    for (const Entry &entry : m_places) {
        if (!entry.names.contains(folded))
            continue;
        const int rank = matchRank(entry.names, folded);
        if (rank >= 0)
            hits.append({rank, &entry});
    }
    const auto better = [](const auto &a, const auto &b) {
        if (a.first != b.first)
            return a.first < b.first;
        return a.second->place.population > b.second->place.population;
    };
    const qsizetype count = std::min<qsizetype>(limit, hits.size());
    std::partial_sort(hits.begin(), hits.begin() + count, hits.end(), better);
    QList<WorldPlace> places;
    for (qsizetype i = 0; i < count; ++i) {
        places.append(hits[i].second->place);
        places.back().rank = hits[i].first;
    }
    return places;
}
