#include "prayer/CityRows.h"

#include "astronomy/HighLatitudeRule.h"
#include "astronomy/KmshCalendar.h"
#include "data/BfiCalendar.h"
#include "data/CityCalendars.h"
#include "data/PerpetualStore.h"
#include "data/SelectedCity.h"
#include "data/SqlExec.h"

#include <QCryptographicHash>
#include <QHash>
#include <QTimeZone>

namespace {

// A digest of the table's rows, so that another table gives another key.
QString tableDigest(const QList<PerpetualCalendar::Row> &rows)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const PerpetualCalendar::Row &row : rows) {
        hash.addData(QByteArray::number(PerpetualCalendar::dayKey(row.day, row.month)));
        for (const QTime &time : row.times)
            hash.addData(time.toString(QStringLiteral("HHmm")).toLatin1());
    }
    return QString::fromLatin1(hash.result().toHex().left(12));
}

} // namespace

CityRows CityRows::ofSelected(const QSqlDatabase &db)
{
    const std::optional<SelectedCity> city = SelectedCity::read(db);
    return city ? ofCity(db, city->key) : CityRows();
}

CityRows CityRows::ofCity(const QSqlDatabase &db, qint32 cityKey)
{
    CityRows rows;
    const std::optional<CityCalendars::Entry> entry = CityCalendars::of(db, cityKey);
    if (entry && entry->calendar == QLatin1String(BfiCalendar::name)) {
        rows.m_bfiMinutes = entry->minutes;
        rows.m_cityName = entry->name;
    } else if (entry && entry->calendar == QLatin1String(KmshCalendar::name)) {
        rows.m_own = Place{entry->name, entry->latitude, entry->longitude, entry->timeZone,
                           0,           std::nullopt,    entry->calendar};
        rows.m_method.method = entry->calendar;
    } else if (const std::optional<UserPlaces::WorldPlace> place =
                   UserPlaces::worldPlace(db, cityKey)) {
        QSqlQuery name = Sql::exec(
            db, QStringLiteral("SELECT Qyteti FROM Qytetet WHERE IDQyteti = ?"), {cityKey});
        rows.m_own = Place{name.next() ? name.value(0).toString() : QString(),
                           place->latitude,
                           place->longitude,
                           place->timeZone,
                           0,
                           std::nullopt,
                           place->method};
        rows.m_method = CalendarMethod{place->method, place->highLatitude, place->asrShadow};
    }
    const UserPlaces::Adjustments adjustments = UserPlaces::adjustments(db, cityKey);
    rows.m_minutes = adjustments.minutes;
    rows.m_tableName = adjustments.tableName;
    rows.m_mosque = UserPlaces::mosqueTable(db, cityKey);
    return rows;
}

QString CityRows::key() const
{
    QString key;
    if (m_bfiMinutes) {
        key = QStringLiteral("%1 %2 %3")
                  .arg(QLatin1String(BfiCalendar::name))
                  .arg(*m_bfiMinutes)
                  .arg(QLatin1String(BfiCalendar::timeZone));
    } else if (!m_own) {
        key = QLatin1String(CityCalendars::table);
    } else {
        // Albania's cities keep the key their rows were first written with.
        const bool kmsh = m_method.method == QLatin1String(KmshCalendar::name);
        key = QStringLiteral("%1 %2 %3 %4")
                  .arg(kmsh ? m_method.method
                            : QStringLiteral("%1/%2/%3")
                                  .arg(m_method.method, m_method.highLatitude)
                                  .arg(m_method.asrShadow))
                  .arg(m_own->latitude, 0, 'f', 4)
                  .arg(m_own->longitude, 0, 'f', 4)
                  .arg(m_own->timeZone);
    }
    if (!m_mosque.isEmpty())
        key += QStringLiteral(" xhamia %1").arg(tableDigest(m_mosque));
    if (m_minutes != UserPlaces::Minutes{})
        key += QStringLiteral(" minutat %1").arg(UserPlaces::minutesText(m_minutes));
    return key;
}

QString CityRows::source(const QSqlDatabase &db) const
{
    QString source;
    if (m_bfiMinutes)
        source = BfiCalendar::source(m_cityName, *m_bfiMinutes);
    else if (!m_own)
        source = PerpetualStore::read(db).source;
    else if (m_method.method == QLatin1String(KmshCalendar::name))
        source = KmshCalendar::source(m_own->name);
    else
        source = PlaceCalendar::source(*m_own, m_method);
    if (!m_mosque.isEmpty())
        source = QStringLiteral("Tabela e xhamisë \"%1\" (%2 ditë); ditët e tjera: %3")
                     .arg(m_tableName)
                     .arg(m_mosque.size())
                     .arg(source);
    if (m_minutes != UserPlaces::Minutes{})
        source +=
            QStringLiteral("; me minutat e xhamisë (%1)").arg(UserPlaces::minutesText(m_minutes));
    return source;
}

QString CityRows::timeZone(const QSqlDatabase &db) const
{
    if (m_bfiMinutes)
        return QLatin1String(BfiCalendar::timeZone);
    return m_own ? m_own->timeZone : PerpetualStore::read(db).timeZone;
}

bool CityRows::mayEstimate() const
{
    // No method asks the sun to sink further than this below the horizon.
    constexpr double steepestAngle = 22;
    return m_own && HighLatitudeRule::angleCanFail(m_own->latitude, steepestAngle);
}

QList<PerpetualCalendar::Row> CityRows::calendarRows(const QSqlDatabase &db, int year) const
{
    if (m_bfiMinutes)
        return BfiCalendar::localRows(db, *m_bfiMinutes, year);
    if (!m_own)
        return PerpetualStore::read(db).localRows(year);
    if (m_method.method == QLatin1String(KmshCalendar::name))
        return KmshCalendar::localRows(*m_own, year);
    return PlaceCalendar::localRows(*m_own, m_method, year);
}

QList<PerpetualCalendar::Row> CityRows::localRows(const QSqlDatabase &db, int year) const
{
    QList<PerpetualCalendar::Row> rows = calendarRows(db, year);
    if (!m_mosque.isEmpty()) {
        PerpetualCalendar mosque;
        mosque.timeZone = timeZone(db);
        mosque.standardOffset = QTimeZone(mosque.timeZone.toUtf8())
                                    .standardTimeOffset(QDateTime(QDate(year, 1, 1), QTime(12, 0)));
        mosque.rows = m_mosque;
        QHash<int, std::array<QTime, 7>> byDay;
        for (const PerpetualCalendar::Row &row : mosque.localRows(year))
            byDay.insert(PerpetualCalendar::dayKey(row.day, row.month), row.times);
        for (PerpetualCalendar::Row &row : rows)
            if (const auto found = byDay.constFind(PerpetualCalendar::dayKey(row.day, row.month));
                found != byDay.constEnd()) {
                row.times = *found;
                row.estimated = {};
            }
    }
    if (m_minutes != UserPlaces::Minutes{})
        for (PerpetualCalendar::Row &row : rows)
            for (std::size_t i = 0; i < row.times.size(); ++i)
                if (row.times[i].isValid())
                    row.times[i] = row.times[i].addSecs(60 * m_minutes[i]);
    return rows;
}
