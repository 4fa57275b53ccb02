#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QUuid>
#include <QVariantList>

#include <functional>

// Direct access to any SQLite file, for setting tests up and looking at what
// they left: each call opens the file and closes it again, so no lock stays.
// A statement that fails ends the test program with its message.
namespace SqlFile {

inline void withFile(const QString &file, const std::function<void(QSqlDatabase &)> &work)
{
    const QString name = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        if (!db.open())
            qFatal("cannot open %s: %s", qPrintable(file), qPrintable(db.lastError().text()));
        work(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

inline QSqlQuery exec(QSqlDatabase &db, const QString &sql, const QVariantList &values = {})
{
    QSqlQuery query(db);
    query.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        qFatal("test SQL failed: %s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
    return query;
}

// Runs the statement once for each list of bound values, in one transaction.
inline void run(const QString &file, const QString &sql, const QList<QVariantList> &rows = {{}})
{
    withFile(file, [&](QSqlDatabase &db) {
        db.transaction();
        for (const QVariantList &values : rows)
            exec(db, sql, values);
        db.commit();
    });
}

// Runs statements separated by ';', one after the other.
inline void script(const QString &file, const QString &statements)
{
    for (const QString &sql : statements.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        run(file, sql);
}

// The rows a query returns, the columns of each joined by '|'.
inline QStringList rows(const QString &file, const QString &sql)
{
    QStringList found;
    withFile(file, [&](QSqlDatabase &db) {
        QSqlQuery query = exec(db, sql);
        while (query.next()) {
            QStringList columns;
            for (int i = 0; i < query.record().count(); ++i)
                columns << query.value(i).toString();
            found << columns.join(QLatin1Char('|'));
        }
    });
    return found;
}

} // namespace SqlFile
