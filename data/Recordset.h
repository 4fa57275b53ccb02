#pragma once

#include "data/Variant.h"

#include <QList>
#include <QString>
#include <QStringList>

class CalendarConnection;

enum class LockType { Unspecified = -1, ReadOnly = 1, Pessimistic = 2, Optimistic = 3 };

// The rows of one query on a calendar connection, read at open so that the
// file is not held between calls. With an optimistic or pessimistic lock the
// current row can be changed and saved back to its table.
// Every failure throws DatabaseError with the engine's message.
class Recordset
{
public:
    // Every row is read here, so how a cursor would move does not matter.
    void open(const QString &sql, CalendarConnection &connection,
              LockType lock = LockType::Unspecified);
    bool isOpen() const { return m_connection != nullptr; }
    // True when there is no current row.
    bool eof() const;
    Variant field(int position) const;
    Variant field(const QString &name) const; // an unknown name throws
    void moveNext();
    // Changes a field of the current row; update() writes it.
    void setField(const QString &name, const Variant &value);
    void update();
    void close();

private:
    int columnIndex(const QString &name) const;
    void requireRow() const;

    CalendarConnection *m_connection = nullptr;
    QString m_sql;
    LockType m_lock = LockType::Unspecified;
    QStringList m_columns;
    QList<QList<Variant>> m_rows;
    QList<QList<Variant>> m_original;
    qsizetype m_current = 0;
};
