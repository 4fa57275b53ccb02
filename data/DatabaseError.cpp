#include "data/DatabaseError.h"

#include <QSqlError>

DatabaseError::DatabaseError(int number, const QString &description, const QString &message)
    : std::runtime_error((message.isEmpty() ? description : message).toStdString()),
      m_number(number), m_description(description),
      m_message(message.isEmpty() ? description : message)
{
}

int DatabaseError::engineNumber(const QSqlError &error)
{
    bool ok = false;
    const int n = error.nativeErrorCode().toInt(&ok);
    return ok ? n : 0;
}

DatabaseError DatabaseError::fromQuery(const QSqlError &error, const QString &sql)
{
    const QString reason = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return DatabaseError(engineNumber(error), reason,
                         QStringLiteral("Gabim në bazën e të dhënave: %1\n(%2)").arg(reason, sql));
}
