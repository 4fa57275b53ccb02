#pragma once

#include "data/KolviraError.h"

class QSqlError;

// A failure of the calendar database: the engine's error number (0 when it
// gave none) and its description, plus a sentence a user can act on.
class DatabaseError : public KolviraError
{
public:
    // The numbers of the record sets' own failures, those of the data access
    // the program's record sets follow.
    enum Number : int {
        noNumber = 0,
        noCurrentRecord = 3021,
        changedByAnother = 3197, // the row changed since it was read
        notUpdatable = 3251,
        noField = 3265,
    };

    DatabaseError(int number, const QString &description, const QString &message = {});

    // The engine's failure of one SQL text.
    static DatabaseError fromQuery(const QSqlError &error, const QString &sql);
    // The engine's own error number, 0 when it gave none.
    static int engineNumber(const QSqlError &error);
    // The engine's failure in Albanian, its own (English) text after it as a
    // detail: "skedari nuk është bazë të dhënash ose është i dëmtuar
    // (hollësi: file is not a database)".
    static QString reason(const QSqlError &error);

    int number() const { return m_number; }
    const QString &description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};
