#include "data/SelectedCity.h"

#include "data/SqlExec.h"

namespace {

std::optional<SelectedCity> first(QSqlQuery query)
{
    if (!query.next())
        return std::nullopt;
    return SelectedCity{query.value(QStringLiteral("IDQyteti")).toInt(),
                        query.value(QStringLiteral("Qyteti")).toString(),
                        query.value(QStringLiteral("Minuta")).toInt()};
}

} // namespace

std::optional<SelectedCity> SelectedCity::read(const QSqlDatabase &db)
{
    return first(Sql::exec(db, QStringLiteral("Select * from Qytetet where ESelektuar=true")));
}

std::optional<SelectedCity> SelectedCity::withKey(const QSqlDatabase &db, qint32 key)
{
    return first(Sql::exec(db, QStringLiteral("SELECT * FROM Qytetet WHERE IDQyteti = ?"), {key}));
}

std::optional<SelectedCity> SelectedCity::named(const QSqlDatabase &db, const QString &name)
{
    return first(Sql::exec(db, QStringLiteral("SELECT * FROM Qytetet WHERE Qyteti = ?"), {name}));
}

QStringList SelectedCity::flaggedNames(const QSqlDatabase &db)
{
    QSqlQuery query =
        Sql::exec(db, QStringLiteral("Select Qyteti from Qytetet where ESelektuar=true"));
    QStringList names;
    while (query.next())
        names << query.value(0).toString();
    return names;
}
