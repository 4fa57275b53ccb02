#include "data/UserCopyUpgrade.h"

#include "data/CalendarConnection.h"
#include "data/ConnectionText.h"
#include "data/DatabaseError.h"
#include "data/PerpetualStore.h"
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
    QStringList cities;
    QString selected;
};

Contents contentsOf(const QString &path)
{
    CalendarConnection connection;
    connection.open(ConnectionText::forFile(path));
    const QSqlDatabase db = connection.database();
    Contents contents;
    contents.perpetual = PerpetualStore::present(db);
    QSqlQuery query(db);
    query.exec(QStringLiteral("SELECT Qyteti, ESelektuar FROM Qytetet"));
    while (query.next()) {
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
        throw DatabaseError(DatabaseError::noNumber, file.errorString());
    return file.readAll();
}

void selectByName(const QString &path, const QString &name)
{
    CalendarConnection connection;
    connection.open(ConnectionText::forFile(path));
    QSqlQuery query(connection.database());
    query.prepare(QStringLiteral("UPDATE Qytetet SET ESelektuar = (Qyteti = ?)"));
    query.addBindValue(name);
    if (!query.exec())
        throw DatabaseError(DatabaseError::noNumber, QStringLiteral("the city cannot be selected"));
}

} // namespace

Outcome run(const QString &userCopy, const QString &installed)
try {
    const Contents old = contentsOf(userCopy);
    if (old.perpetual)
        return {};
    const Contents fresh = contentsOf(installed);
    if (!fresh.perpetual)
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
        throw DatabaseError(DatabaseError::noNumber, QStringLiteral("copy failed"));
    if (!old.selected.isEmpty())
        selectByName(made, old.selected);
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
