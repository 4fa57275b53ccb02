#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

namespace Sql {

// Runs the statement with its values bound in order and hands back the
// query, positioned before its first row; throws DatabaseError naming the
// statement and the engine's reason.
QSqlQuery exec(const QSqlDatabase &db, const QString &sql, const QVariantList &values = {});

} // namespace Sql
