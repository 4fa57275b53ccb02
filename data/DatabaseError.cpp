#include "data/DatabaseError.h"

#include <QSqlError>

DatabaseError::DatabaseError(int number, const QString &description, const QString &message)
    : KolviraError(message.isEmpty() ? description : message), m_number(number),
      m_description(description)
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
