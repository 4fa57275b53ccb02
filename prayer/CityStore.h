#pragma once

#include "data/KolviraError.h"
#include "data/UserPlaces.h"
#include "prayer/MosqueTable.h"

#include <QString>
#include <QtGlobal>
#include <functional>

class CalendarConnection;

// Stores which city is selected: the one row of Qytetet whose ESelektuar is
// set. The flag moves in one transaction, so every reader of the table sees
// either the old city or the new one, never none and never two; the rows of
// kolvira follow in the same transaction when the new city keeps other
// times than the old (see CityRows).
class CityStore
{
public:
    // The choice was not stored and the file is as it was: the key names no
    // city, the file cannot be written (write-protected, or locked by
    // another running copy for longer than the connection waits), or the
    // city's own times cannot be computed.
    class NotStored : public KolviraError
    {
    public:
        using KolviraError::KolviraError;
    };

    explicit CityStore(CalendarConnection &connection);

    // Moves the selection flag to the city with this key: clears every
    // flagged row, then flags the new one. Throws NotStored (nothing written)
    // for a refusal; any other failure throws as well after rolling back.
    void store(qint32 cityKey);
    // Adds a place of the world to the list and selects it, in one
    // transaction; returns its key. A place that is one of the list's towns
    // (by its name and position) selects that town instead, with its
    // community's calendar. Throws as store().
    qint32 addPlace(const QString &name, const UserPlaces::WorldPlace &place);
    // Takes a place the user added off the list, with its settings and its
    // mosque's table, in one transaction. The list's own cities and the
    // selected place stay: NotStored says why.
    void removePlace(qint32 cityKey);
    // Changes what the place's times follow, in one transaction with the
    // rows when the place is the selected one. Throw as store().
    void setMethod(qint32 cityKey, const UserPlaces::WorldPlace &place);
    void setMinutes(qint32 cityKey, const UserPlaces::Minutes &minutes);
    // Keeps a mosque's printed table as the place's calendar for the days it
    // gives (every year, as the perpetual calendar), or drops it.
    void importMosqueTable(qint32 cityKey, const QList<MosqueTable::Day> &days,
                           const QString &tableName);
    void removeMosqueTable(qint32 cityKey);

    // Runs after the old flag is cleared and before the new one is set,
    // inside the transaction; lets tests fail the store midway.
    void setBetweenWrites(std::function<void()> hook) { m_betweenWrites = std::move(hook); }

private:
    // Runs the change in one write transaction, turning refusals into
    // NotStored.
    void write(const std::function<void(QSqlDatabase &)> &change);
    void moveFlag(QSqlDatabase &db, qint32 cityKey);
    // The kolvira rows made the selected city's, when they are not.
    void rowsFollow(QSqlDatabase &db);

    CalendarConnection &m_connection;
    std::function<void()> m_betweenWrites;
};
