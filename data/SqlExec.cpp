#include "data/SqlExec.h"

#include "data/DatabaseError.h"

#include <QSqlError>

namespace Sql {

QSqlQuery exec(const QSqlDatabase &db, const QString &sql, const QVariantList &values)
{
    QSqlQuery query(db);
    query.prepare(sql);
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
    if (!query.exec())
        throw DatabaseError::fromQuery(query.lastError(), sql);
    return query;
}

} // namespace Sql
