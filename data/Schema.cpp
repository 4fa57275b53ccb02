#include "data/Schema.h"

#include "data/DatabaseError.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

namespace Schema {

QString sqlText()
{
    QFile file(QStringLiteral(":/kolvira/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw DatabaseError(DatabaseError::noNumber, QStringLiteral("schema resource missing"),
                            QStringLiteral("Skema e bazës së të dhënave mungon te programi."));
    return QString::fromUtf8(file.readAll());
}

void create(QSqlDatabase &db)
{
    QString text = sqlText();
    // Strip comments, then run statement by statement.
    QStringList lines;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const qsizetype dash = line.indexOf(QLatin1String("--"));
        lines << (dash >= 0 ? line.left(dash) : line);
    }
    for (const QString &statement : lines.join(QLatin1Char('\n')).split(QLatin1Char(';'))) {
        if (statement.trimmed().isEmpty())
            continue;
        QSqlQuery query(db);
        if (!query.exec(statement))
            throw DatabaseError(0, query.lastError().text(),
                                QStringLiteral("Skema e bazës nuk u krijua: %1")
                                    .arg(DatabaseError::reason(query.lastError())));
    }
}

int editionOf(const QSqlDatabase &db)
{
    QSqlQuery query(db);
    return query.exec(QStringLiteral("PRAGMA user_version")) && query.next()
               ? query.value(0).toInt()
               : 0;
}

void createEdition(QSqlDatabase &db)
{
    create(db);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(edition)))
        throw DatabaseError::fromQuery(query.lastError(), query.lastQuery());
}

} // namespace Schema
