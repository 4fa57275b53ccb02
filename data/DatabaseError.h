#pragma once

#include <QString>
#include <stdexcept>

class QSqlError;

// A failure of the calendar database: the engine's error number (0 when it
// gave none) and its description, plus a sentence a user can act on.
class DatabaseError : public std::runtime_error
{
public:
    DatabaseError(int number, const QString &description, const QString &message = {});

    // The engine's failure of one SQL text.
    static DatabaseError fromQuery(const QSqlError &error, const QString &sql);
    // The engine's own error number, 0 when it gave none.
    static int engineNumber(const QSqlError &error);

    int number() const { return m_number; }
    const QString &description() const { return m_description; }
    // The whole text for the user: what failed, then the engine's reason.
    const QString &message() const { return m_message; }

private:
    int m_number;
    QString m_description;
    QString m_message;
};
