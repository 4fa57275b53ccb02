#include "data/TimeColumns.h"

#include <QStringList>

namespace TimeColumns {

namespace {

const QString storedFormat = QStringLiteral("HH:mm:ss");

} // namespace

QString sqlList()
{
    QStringList quoted;
    for (const char *name : names)
        quoted << QStringLiteral("\"%1\"").arg(QString::fromUtf8(name));
    return quoted.join(QStringLiteral(", "));
}

QString stored(const QTime &time)
{
    return time.toString(storedFormat);
}

QTime fromStored(const QString &text)
{
    return QTime::fromString(text, storedFormat);
}

} // namespace TimeColumns
