#include "data/UserCopyUpgrade.h"

#include "data/CalendarConnection.h"
#include "data/ConnectionText.h"
#include "data/DatabaseError.h"
#include "data/PerpetualStore.h"

#include <QFile>
#include <QSqlQuery>
#include <QStringList>

#include <filesystem>

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

void selectByName(const QString &path, const QString &name)
{
    CalendarConnection connection;
    connection.open(ConnectionText::forFile(path));
    QSqlQuery query(connection.database());
    query.prepare(QStringLiteral("UPDATE Qytetet SET ESelektuar = (Qyteti = ?)"));
    query.addBindValue(name);
    if (!query.exec())
        throw DatabaseError(0, QStringLiteral("the city cannot be selected"));
}

} // namespace

bool run(const QString &userCopy, const QString &installed)
try {
    const Contents old = contentsOf(userCopy);
    if (old.perpetual)
        return false;
    const Contents fresh = contentsOf(installed);
    if (!fresh.perpetual)
        return false;
    for (const QString &city : old.cities)
        if (!fresh.cities.contains(city))
            return false;

    const QString partial = userCopy + QStringLiteral(".part");
    QFile::remove(partial);
    if (!QFile::copy(installed, partial) ||
        !QFile::setPermissions(partial, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ReadGroup | QFileDevice::ReadOther))
        throw DatabaseError(0, QStringLiteral("copy failed"));
    if (!old.selected.isEmpty())
        selectByName(partial, old.selected);
    const QString kept = userCopy + QStringLiteral(".bak");
    QFile::remove(kept);
    QFile::copy(userCopy, kept);
    std::error_code error;
    std::filesystem::rename(partial.toStdString(), userCopy.toStdString(), error);
    if (error)
        throw DatabaseError(0, QString::fromStdString(error.message()));
    return true;
} catch (const DatabaseError &) {
    QFile::remove(userCopy + QStringLiteral(".part"));
    return false;
}

} // namespace UserCopyUpgrade
