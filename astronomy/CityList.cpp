#include "astronomy/CityList.h"

#include "astronomy/CalculationError.h"
#include "astronomy/KmshCalendar.h"
#include "data/BfiCalendar.h"
#include "data/WholeFile.h"

#include <QSet>
#include <QTimeZone>

#include <cmath>

namespace CityList {

namespace {

double number(const QString &text, double limit, const QString &what, const QString &where)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || value < -limit || value > limit)
        throw CalculationError(QStringLiteral("%1: %2 \"%3\" nuk është numër nga %4 deri në %5.")
                                   .arg(where, what, text)
                                   .arg(-limit)
                                   .arg(limit));
    return value;
}

Place parseLine(const QString &line, const QString &where)
{
    const QStringList fields = line.split(QLatin1Char('\t'));
    if (fields.size() < 4 || fields.size() > 6)
        throw CalculationError(
            QStringLiteral("%1: pritet emri, gjerësia, gjatësia dhe zona kohore, "
                           "të ndara me tabulator.")
                .arg(where));
    Place place;
    place.name = fields[0].trimmed();
    if (place.name.isEmpty())
        throw CalculationError(QStringLiteral("%1: qyteti nuk ka emër.").arg(where));
    place.latitude = number(fields[1], 90, QStringLiteral("gjerësia"), where);
    place.longitude = number(fields[2], 180, QStringLiteral("gjatësia"), where);
    place.timeZone = fields[3].trimmed();
    if (!QTimeZone::isTimeZoneIdAvailable(place.timeZone.toUtf8()))
        throw CalculationError(
            QStringLiteral("%1: zona kohore \"%2\" nuk njihet.").arg(where, place.timeZone));
    if (fields.size() >= 5 && !fields[4].trimmed().isEmpty())
        place.tableMinutes = int(number(fields[4], 120, QStringLiteral("minutat"), where));
    if (fields.size() == 6) {
        place.ownCalendar = fields[5].trimmed();
        if (place.ownCalendar != QLatin1String(KmshCalendar::name) &&
            place.ownCalendar != QLatin1String(BfiCalendar::name))
            throw CalculationError(
                QStringLiteral("%1: kalendari \"%2\" nuk njihet; kalendarët e qyteteve janë "
                               "\"%3\" dhe \"%4\".")
                    .arg(where, place.ownCalendar, QLatin1String(KmshCalendar::name),
                         QLatin1String(BfiCalendar::name)));
    }
    // A town the imsakija does not name takes the whole minutes of its noon
    // against that of the table's town.
    if (place.ownCalendar == QLatin1String(BfiCalendar::name) && !place.tableMinutes)
        place.tableMinutes = int(std::lround(4 * (BfiCalendar::tableLongitude - place.longitude)));
    return place;
}

} // namespace

QList<Place> parse(const QByteArray &utf8, const QString &source)
{
    QList<Place> cities;
    QSet<QString> names;
    const QStringList lines = QString::fromUtf8(utf8).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QString where = QStringLiteral("%1:%2").arg(source).arg(i + 1);
        Place place = parseLine(line, where);
        if (names.contains(place.name))
            throw CalculationError(
                QStringLiteral("%1: qyteti \"%2\" përsëritet.").arg(where, place.name));
        names.insert(place.name);
        cities << place;
    }
    if (cities.isEmpty())
        throw CalculationError(QStringLiteral("%1: lista e qyteteve është bosh.").arg(source));
    return cities;
}

QList<Place> load(const QString &path)
{
    QByteArray bytes;
    if (const QString failed = WholeFile::read(path, bytes); !failed.isEmpty())
        throw CalculationError(failed);
    return parse(bytes, path);
}

QList<Place> builtIn()
{
    return load(QStringLiteral(":/kolvira/cities.tsv"));
}

const Place *named(const QList<Place> &cities, const QString &name)
{
    // A name typed with a combining diaeresis is still the same name.
    const QString wanted = name.normalized(QString::NormalizationForm_C);
    for (const Place &city : cities)
        if (city.name.normalized(QString::NormalizationForm_C) == wanted)
            return &city;
    return nullptr;
}

const Place &find(const QList<Place> &cities, const QString &name)
{
    if (const Place *city = named(cities, name))
        return *city;
    throw CalculationError(
        QStringLiteral("Vendi \"%1\" nuk gjendet në listën e qyteteve.").arg(name));
}

} // namespace CityList
