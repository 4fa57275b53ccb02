#include "data/UserCopyUpgrade.h"

#include "data/CalendarConnection.h"
#include "data/ConnectionText.h"
#include "data/DatabaseError.h"
#include "data/PerpetualStore.h"
#include "data/Schema.h"
#include "data/SqlExec.h"
#include "data/UserPlaces.h"
#include "data/WholeFile.h"

#include <QFile>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>

namespace UserCopyUpgrade {

namespace {

struct Contents
{
    bool perpetual = false;
    int edition = 0;
    QStringList cities; // of the list, not the places the user added
    QString selected;
};

Contents contentsOf(const QString &path)
{
    CalendarConnection connection;
    connection.open(ConnectionText::forFile(path));
    const QSqlDatabase db = connection.database();
    Contents contents;
    contents.perpetual = PerpetualStore::present(db);
    contents.edition = Schema::editionOf(db);
    QSqlQuery query(db);
    query.exec(QStringLiteral("SELECT Qyteti, ESelektuar, IDQyteti FROM Qytetet"));
    while (query.next()) {
        if (!UserPlaces::worldPlace(db, query.value(2).toInt()))
            contents.cities << query.value(0).toString();
        if (query.value(1).toInt() == 1)
            contents.selected = query.value(0).toString();
    }
    return contents;
}

QByteArray readWhole(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DatabaseError(DatabaseError::noNumber, file.errorString(),
                            QStringLiteral("Kalendari \"%1\" nuk lexohet (hollësi: %2).")
                                .arg(path, file.errorString()));
    return file.readAll();
}

bool hasPlaceTables(const QSqlDatabase &db, const QString &schema)
{
    QSqlQuery query = Sql::exec(db, QStringLiteral("SELECT count(*) FROM %1.sqlite_master WHERE "
                                                   "name = 'TabelaEXhamise'")
                                        .arg(schema));
    return query.next() && query.value(0).toInt() == 1;
}

// The places the user added, the minutes and mosque tables the user set for
// any city (matched by name), and the choice, from the old copy into the new
// file.
void carryOver(const QString &made, const QString &old, const QString &selected)
{
    CalendarConnection connection;
    connection.open(ConnectionText::forFile(made));
    QSqlDatabase db = connection.database();
    UserPlaces::ensureTables(db);
    Sql::exec(db, QStringLiteral("ATTACH DATABASE ? AS vjeter"), {old});
    if (hasPlaceTables(db, QStringLiteral("vjeter"))) {
        const QString byName =
            QStringLiteral("FROM vjeter.%1 t JOIN vjeter.Qytetet o ON o.IDQyteti = t.IDQyteti "
                           "JOIN main.Qytetet n ON n.Qyteti = o.Qyteti");
        for (const QString &sql :
             {QStringLiteral("INSERT INTO main.Qytetet (IDQyteti, Qyteti, Minuta, ESelektuar) "
                             "SELECT q.IDQyteti, q.Qyteti, q.Minuta, 0 FROM vjeter.Qytetet q "
                             "JOIN vjeter.VendetEBotes v ON v.IDQyteti = q.IDQyteti"),
              QStringLiteral("INSERT INTO main.VendetEBotes SELECT * FROM vjeter.VendetEBotes"),
              QStringLiteral("INSERT OR REPLACE INTO main.RregullimetEVendit (IDQyteti, Minutat, "
                             "Tabela) SELECT n.IDQyteti, t.Minutat, t.Tabela ") +
                  byName.arg(QStringLiteral("RregullimetEVendit")),
              QStringLiteral("INSERT INTO main.TabelaEXhamise SELECT n.IDQyteti, t.Dita, t.Muaji, "
                             "t.Imsaku, t.Fexhri, t.\"Lindja e diellit\", t.Dhuhri, t.Asri, "
                             "t.Magribi, t.Isha ") +
                  byName.arg(QStringLiteral("TabelaEXhamise"))})
            Sql::exec(db, sql);
    }
    Sql::exec(db, QStringLiteral("DETACH DATABASE vjeter"));
    if (!selected.isEmpty())
        Sql::exec(db, QStringLiteral("UPDATE Qytetet SET ESelektuar = (Qyteti = ?)"), {selected});
}

} // namespace

Outcome run(const QString &userCopy, const QString &installed)
try {
    const Contents old = contentsOf(userCopy);
    const Contents fresh = contentsOf(installed);
    if (!fresh.perpetual || (old.perpetual && old.edition >= fresh.edition))
        return {};
    for (const QString &city : old.cities)
        if (!fresh.cities.contains(city))
            return {};

    // The new file is made aside, its city chosen, then written over the
    // copy whole; the old one is kept first, or nothing is replaced.
    QTemporaryDir aside;
    const QString made = aside.filePath(QStringLiteral("kolvira.db"));
    if (!aside.isValid() || !QFile::copy(installed, made) ||
        !QFile::setPermissions(made, QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        throw DatabaseError(DatabaseError::noNumber, QStringLiteral("copy failed"),
                            QStringLiteral("Kalendari i ri nuk u kopjua në një dosje të "
                                           "përkohshme."));
    carryOver(made, userCopy, old.selected);
    const QString kept = userCopy + QStringLiteral(".bak");
    if (const QString failed = WholeFile::write(kept, readWhole(userCopy)); !failed.isEmpty())
        return {false, QStringLiteral("Kalendari i ri nuk u vendos në \"%1\", sepse kopja e "
                                      "vjetër nuk mund të ruhet: %2 Programi vazhdon me "
                                      "kalendarin e vjetër.")
                           .arg(userCopy, failed)};
    if (const QString failed = WholeFile::write(userCopy, readWhole(made)); !failed.isEmpty())
        return {false, failed};
    return {true, {}};
} catch (const DatabaseError &) {
    return {};
}

} // namespace UserCopyUpgrade
