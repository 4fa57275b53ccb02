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

QString DatabaseError::reason(const QSqlError &error)
{
    // SQLite's primary result codes; an extended code keeps its primary in the low byte.
    QString told;
    switch (engineNumber(error) & 0xff) {
    case 3:  // SQLITE_PERM
    case 23: // SQLITE_AUTH
        told = QStringLiteral("nuk ka leje për këtë veprim");
        break;
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        told = QStringLiteral("baza e të dhënave është e zënë nga një program tjetër");
        break;
    case 7: // SQLITE_NOMEM
        told = QStringLiteral("kujtesa e kompjuterit nuk mjafton");
        break;
    case 8: // SQLITE_READONLY
        told = QStringLiteral("skedari është vetëm për lexim");
        break;
    case 10: // SQLITE_IOERR
        told = QStringLiteral("disku nuk lexohet ose nuk shkruhet");
        break;
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        told = QStringLiteral("skedari nuk është bazë të dhënash ose është i dëmtuar");
        break;
    case 13: // SQLITE_FULL
        told = QStringLiteral("disku është plot");
        break;
    case 14: // SQLITE_CANTOPEN
        told = QStringLiteral("skedari nuk mund të hapet");
        break;
    case 19: // SQLITE_CONSTRAINT
        told = QStringLiteral("të dhënat bien ndesh me rregullat e bazës");
        break;
    default:
        told = QStringLiteral("motori i bazës së të dhënave dha një gabim");
    }
    const QString detail = error.text().trimmed();
    return detail.isEmpty() ? told : QStringLiteral("%1 (hollësi: %2)").arg(told, detail);
}

DatabaseError DatabaseError::fromQuery(const QSqlError &error, const QString &sql)
{
    const QString engineText = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return DatabaseError(
        engineNumber(error), engineText,
        QStringLiteral("Gabim në bazën e të dhënave: %1.\n(%2)").arg(reason(error), sql));
}
