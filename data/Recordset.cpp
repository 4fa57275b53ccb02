#include "data/Recordset.h"

#include "data/CalendarConnection.h"
#include "data/DatabaseError.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlIndex>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>
#include <sqlite3.h>

namespace {

[[noreturn]] void fail(const QSqlError &error, const QString &sql)
{
    throw DatabaseError::fromQuery(error, sql);
}

QString quoted(const QString &identifier)
{
    QString s = identifier;
    s.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

// The declared column types tell Booleans and times apart from plain numbers
// and texts, which SQLite itself does not.
QStringList declaredTypes(const QSqlQuery &query, int columns)
{
    QStringList types;
    const QVariant handle = query.result()->handle();
    auto *stmt = handle.isValid() && qstrcmp(handle.typeName(), "sqlite3_stmt*") == 0
                     ? *static_cast<sqlite3_stmt *const *>(handle.data())
                     : nullptr;
    for (int i = 0; i < columns; ++i) {
        const char *decl = stmt ? sqlite3_column_decltype(stmt, i) : nullptr;
        types << (decl ? QString::fromUtf8(decl).toUpper() : QString());
    }
    return types;
}

QTime parseTime(const QString &text)
{
    for (const char *format : {"HH:mm:ss", "H:mm:ss", "HH:mm", "H:mm"}) {
        const QTime t = QTime::fromString(text.trimmed(), QLatin1String(format));
        if (t.isValid())
            return t;
    }
    return {};
}

Variant fromSql(const QVariant &value, const QString &declaredType)
{
    if (value.isNull())
        return Variant::null();
    if (declaredType == QLatin1String("BOOLEAN") || declaredType == QLatin1String("BOOL"))
        return Variant::boolean(value.toLongLong() != 0);
    if (declaredType.contains(QLatin1String("TIME"))) {
        const QString text = value.toString();
        const QTime t = parseTime(text);
        return t.isValid() ? Variant::time(t, text) : Variant::text(text);
    }
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        return Variant::integer(value.toLongLong());
    case QMetaType::Double:
        return Variant::real(value.toDouble());
    default:
        return Variant::text(value.toString());
    }
}

QVariant toSql(const Variant &value)
{
    switch (value.kind()) {
    case Variant::Kind::Empty:
    case Variant::Kind::Null:
        return QVariant(QMetaType::fromType<QString>());
    case Variant::Kind::Boolean:
        return value.toBool() ? 1 : 0;
    case Variant::Kind::Integer:
        return value.toInteger();
    default:
        return value.toText();
    }
}

// The table a single-table query reads, for writing a changed row back.
QString tableOf(const QString &sql)
{
    static const QRegularExpression from(QStringLiteral(R"(\bfrom\s+("[^"]+"|\[[^\]]+\]|\w+))"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = from.match(sql);
    if (!m.hasMatch())
        return {};
    QString name = m.captured(1);
    if (name.startsWith(QLatin1Char('"')) || name.startsWith(QLatin1Char('[')))
        name = name.mid(1, name.size() - 2);
    return name;
}

} // namespace

void Recordset::open(const QString &sql, CalendarConnection &connection, LockType lock)
{
    close();
    QSqlQuery query(connection.database());
    query.setForwardOnly(true);
    if (!query.exec(sql))
        fail(query.lastError(), sql);
    const QSqlRecord record = query.record();
    QStringList columns;
    for (int i = 0; i < record.count(); ++i)
        columns << record.fieldName(i);
    const QStringList types = declaredTypes(query, record.count());
    QList<QList<Variant>> rows;
    while (query.next()) {
        QList<Variant> row;
        row.reserve(columns.size());
        for (int i = 0; i < columns.size(); ++i)
            row << fromSql(query.value(i), types.value(i));
        rows << row;
    }
    if (query.lastError().isValid())
        fail(query.lastError(), sql);

    m_connection = &connection;
    m_sql = sql;
    m_lock = lock;
    m_columns = columns;
    m_original = rows;
    m_rows = std::move(rows);
    m_current = 0;
}

bool Recordset::eof() const
{
    return !isOpen() || m_current >= m_rows.size();
}

void Recordset::requireRow() const
{
    if (eof())
        throw DatabaseError(DatabaseError::noCurrentRecord, QStringLiteral("no current record"),
                            QStringLiteral("Nuk ka rresht aktual në rezultatin e pyetjes."));
}

int Recordset::columnIndex(const QString &name) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    throw DatabaseError(
        DatabaseError::noField, QStringLiteral("unknown field %1").arg(name),
        QStringLiteral("Fusha \"%1\" nuk gjendet në rezultatin e pyetjes.").arg(name));
}

Variant Recordset::field(int position) const
{
    requireRow();
    if (position < 0 || position >= m_columns.size())
        throw DatabaseError(DatabaseError::noField, QStringLiteral("no field at %1").arg(position),
                            QStringLiteral("Nuk ka fushë në pozicionin %1.").arg(position));
    return m_rows.at(m_current).at(position);
}

Variant Recordset::field(const QString &name) const
{
    requireRow();
    return m_rows.at(m_current).at(columnIndex(name));
}

void Recordset::moveNext()
{
    requireRow();
    ++m_current;
}

void Recordset::setField(const QString &name, const Variant &value)
{
    requireRow();
    if (m_lock != LockType::Optimistic && m_lock != LockType::Pessimistic)
        throw DatabaseError(DatabaseError::notUpdatable, QStringLiteral("read-only recordset"),
                            QStringLiteral("Rezultati i pyetjes është vetëm për lexim."));
    m_rows[m_current][columnIndex(name)] = value;
}

void Recordset::update()
{
    requireRow();
    const QString table = tableOf(m_sql);
    QSqlDatabase db = m_connection->database();
    const QSqlRecord columns = db.record(table);
    const QSqlIndex key = db.primaryIndex(table);
    if (table.isEmpty() || columns.isEmpty() || key.isEmpty())
        throw DatabaseError(DatabaseError::notUpdatable, QStringLiteral("not updatable"),
                            QStringLiteral("Rreshti nuk mund të ruhet: %1").arg(m_sql));

    const QList<Variant> &row = m_rows.at(m_current);
    const QList<Variant> &old = m_original.at(m_current);
    QList<int> changed;
    for (int i = 0; i < m_columns.size(); ++i) {
        if (row.at(i) != old.at(i))
            changed << i;
    }
    if (changed.isEmpty())
        return;
    QStringList assignments;
    QList<QVariant> values;
    for (int i : std::as_const(changed)) {
        assignments << quoted(m_columns.at(i)) + QStringLiteral(" = ?");
        values << toSql(row.at(i));
    }
    // Optimistic: the row is written only if the changed fields still hold
    // the values that were read.
    QStringList conditions;
    QList<QVariant> conditionValues;
    for (int k = 0; k < key.count(); ++k) {
        conditions << quoted(key.fieldName(k)) + QStringLiteral(" IS ?");
        conditionValues << toSql(old.at(columnIndex(key.fieldName(k))));
    }
    for (int i : std::as_const(changed)) {
        conditions << quoted(m_columns.at(i)) + QStringLiteral(" IS ?");
        conditionValues << toSql(old.at(i));
    }
    const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                            .arg(quoted(table), assignments.join(QStringLiteral(", ")),
                                 conditions.join(QStringLiteral(" AND ")));
    QSqlQuery query(db);
    if (!query.prepare(sql))
        fail(query.lastError(), sql);
    for (const QVariant &v : std::as_const(values))
        query.addBindValue(v);
    for (const QVariant &v : std::as_const(conditionValues))
        query.addBindValue(v);
    if (!query.exec())
        fail(query.lastError(), sql);
    if (query.numRowsAffected() != 1)
        throw DatabaseError(DatabaseError::changedByAnother,
                            QStringLiteral("row changed by another user"),
                            QStringLiteral("Rreshti u ndryshua nga një përdorues tjetër ndërkohë; "
                                           "ndryshimi nuk u ruajt."));
    m_original[m_current] = row;
}

void Recordset::close()
{
    m_connection = nullptr;
    m_sql.clear();
    m_columns.clear();
    m_rows.clear();
    m_original.clear();
    m_current = 0;
}
