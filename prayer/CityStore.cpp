#include "prayer/CityStore.h"

#include "astronomy/CalculationError.h"
#include "astronomy/CityNames.h"
#include "data/CalendarConnection.h"
#include "data/DatabaseError.h"
#include "data/PerpetualStore.h"
#include "data/Recordset.h"
#include "data/SelectedCity.h"
#include "prayer/CityRows.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

// Primary result codes of the engine that mean "the file cannot be written
// now"; the extended codes carry them in their low byte.
enum : int {
    EnginePerm = 3,
    EngineBusy = 5,
    EngineLocked = 6,
    EngineReadOnly = 8,
    EngineIoErr = 10,
    EngineFull = 13,
    EngineCantOpen = 14,
};

bool isWriteRefusal(int number)
{
    switch (number & 0xff) {
    case EnginePerm:
    case EngineBusy:
    case EngineLocked:
    case EngineReadOnly:
    case EngineIoErr:
    case EngineFull:
    case EngineCantOpen:
        return true;
    default:
        return false;
    }
}

QString refusalMessage(const DatabaseError &error)
{
    const int code = error.number() & 0xff;
    if (code == EngineBusy || code == EngineLocked)
        return QStringLiteral("Qyteti nuk u ruajt: baza e të dhënave është e zënë nga një program "
                              "tjetër (%1). Provoni përsëri pas pak.")
            .arg(error.description());
    return QStringLiteral("Qyteti nuk u ruajt: baza e të dhënave nuk mund të shkruhet (%1).")
        .arg(error.description());
}

QString citySql(qint32 cityKey)
{
    return QStringLiteral("Select * from Qytetet where IDQyteti=") + QString::number(cityKey);
}

// One write transaction on the connection. BEGIN IMMEDIATE takes the write
// lock at once, so two running copies queue here (each waits for the other
// as long as the connection's busy timeout allows) instead of failing midway.
// Rolls back unless committed.
class WriteTransaction
{
public:
    explicit WriteTransaction(CalendarConnection &connection) : m_connection(connection)
    {
        exec(QStringLiteral("BEGIN IMMEDIATE"));
        m_open = true;
    }
    ~WriteTransaction()
    {
        if (!m_open)
            return;
        QSqlQuery rollback(m_connection.database());
        rollback.exec(QStringLiteral("ROLLBACK"));
    }
    WriteTransaction(const WriteTransaction &) = delete;
    WriteTransaction &operator=(const WriteTransaction &) = delete;

    void commit()
    {
        exec(QStringLiteral("COMMIT"));
        m_open = false;
    }

private:
    void exec(const QString &sql)
    {
        QSqlQuery query(m_connection.database());
        if (query.exec(sql))
            return;
        throw DatabaseError::fromQuery(query.lastError(), sql);
    }

    CalendarConnection &m_connection;
    bool m_open = false;
};

} // namespace

CityStore::CityStore(CalendarConnection &connection) : m_connection(connection) {}

void CityStore::store(qint32 cityKey)
{
    write([&](QSqlDatabase &db) { moveFlag(db, cityKey); });
}

qint32 CityStore::addPlace(const QString &name, const UserPlaces::WorldPlace &place)
{
    qint32 key = 0;
    write([&](QSqlDatabase &db) {
        const std::optional<QString> town =
            CityNames::sameTown({name}, place.latitude, place.longitude);
        const std::optional<SelectedCity> listed =
            town ? SelectedCity::named(db, *town) : std::nullopt;
        key = listed ? listed->key : UserPlaces::add(db, name, place);
        moveFlag(db, key);
    });
    return key;
}

void CityStore::removePlace(qint32 cityKey)
{
    write([&](QSqlDatabase &db) {
        if (cityKey < UserPlaces::firstKey)
            throw NotStored(QStringLiteral("Qytetet e listës së programit nuk hiqen; hiqen vetëm "
                                           "vendet që shtuat vetë."));
        const std::optional<SelectedCity> selected = SelectedCity::read(db);
        if (selected && selected->key == cityKey)
            throw NotStored(QStringLiteral("Vendi i zgjedhur nuk hiqet. Zgjidhni më parë një "
                                           "vend tjetër, pastaj hiqeni këtë."));
        UserPlaces::remove(db, cityKey);
    });
}

void CityStore::setMethod(qint32 cityKey, const UserPlaces::WorldPlace &place)
{
    write([&](QSqlDatabase &db) {
        UserPlaces::setMethod(db, cityKey, place);
        rowsFollow(db);
    });
}

void CityStore::setMinutes(qint32 cityKey, const UserPlaces::Minutes &minutes)
{
    write([&](QSqlDatabase &db) {
        UserPlaces::setMinutes(db, cityKey, minutes);
        rowsFollow(db);
    });
}

void CityStore::importMosqueTable(qint32 cityKey, const QList<MosqueTable::Day> &days,
                                  const QString &tableName)
{
    write([&](QSqlDatabase &db) {
        const std::optional<SelectedCity> city = SelectedCity::withKey(db, cityKey);
        if (!city)
            throw NotStored(QStringLiteral("Qyteti nuk gjendet më në bazën e të dhënave."));
        const QString zone = CityRows::ofCity(db, cityKey).timeZone(db);
        UserPlaces::setMosqueTable(db, cityKey,
                                   MosqueTable::standardRows(days, zone, city->minutes), tableName);
        rowsFollow(db);
    });
}

void CityStore::removeMosqueTable(qint32 cityKey)
{
    write([&](QSqlDatabase &db) {
        UserPlaces::setMosqueTable(db, cityKey, {}, QString());
        rowsFollow(db);
    });
}

void CityStore::write(const std::function<void(QSqlDatabase &)> &change)
{
    // Writing into a file that was deleted or replaced while the program ran
    // would look saved and be lost.
    if (m_connection.fileGoneOrReplaced())
        throw NotStored(
            QStringLiteral("Skedari i bazës së të dhënave \"%1\" u fshi ose u zëvendësua ndërkohë "
                           "që programi punonte; zgjedhja nuk u ruajt. Rinisni programin.")
                .arg(m_connection.filePath()));
    try {
        WriteTransaction transaction(m_connection);
        QSqlDatabase db = m_connection.database();
        change(db);
        transaction.commit();
    } catch (const DatabaseError &error) {
        if (isWriteRefusal(error.number()))
            throw NotStored(refusalMessage(error));
        throw;
    } catch (const CalculationError &error) {
        throw NotStored(
            QStringLiteral("Qyteti nuk u ruajt: kohët e tij nuk mund të llogariten (%1).")
                .arg(error.message()));
    }
}

void CityStore::moveFlag(QSqlDatabase &db, qint32 cityKey)
{
    Recordset rs;

    // The key is checked before anything is written: a city that is gone
    // must not cost the user the city that was selected.
    rs.open(citySql(cityKey), m_connection, LockType::Optimistic);
    if (rs.eof())
        throw NotStored(QStringLiteral("Qyteti i zgjedhur nuk gjendet më në bazën e të dhënave; "
                                       "zgjedhja e mëparshme mbetet."));
    rs.close();

    // Clear every flagged row, so that a table that somehow holds two leaves
    // with one; a table with none simply gets the new flag.
    rs.open(QStringLiteral("Select * from Qytetet where ESelektuar=True"), m_connection,
            LockType::Optimistic);
    while (!rs.eof()) {
        rs.setField(QStringLiteral("ESelektuar"), Variant::integer(0));
        rs.update();
        rs.moveNext();
    }
    rs.close();

    if (m_betweenWrites)
        m_betweenWrites();

    // Read again after the clearing: when the new city is the old one, its
    // row now holds 0 and must be set back.
    rs.open(citySql(cityKey), m_connection, LockType::Optimistic);
    rs.setField(QStringLiteral("ESelektuar"), Variant::integer(1));
    rs.update();
    rs.close();

    rowsFollow(db);
}

void CityStore::rowsFollow(QSqlDatabase &db)
{
    // A city with its own calendar needs its own rows, a city of the
    // perpetual calendar the perpetual rows back: in the same transaction, so
    // the flag never points at another city's times.
    if (!PerpetualStore::present(db))
        return;
    const CityRows rows = CityRows::ofSelected(db);
    if (rows.key() != PerpetualStore::rowsKey(db)) {
        const int year = PerpetualStore::yearOfRows(db);
        PerpetualStore::storeYear(db, rows.localRows(db, year), year, rows.key());
    }
}
