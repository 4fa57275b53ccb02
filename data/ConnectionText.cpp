#include "data/ConnectionText.h"

#include <QDir>
#include <QStringList>

namespace ConnectionText {

QString forFile(const QString &filePath)
{
    return QStringLiteral("Data Source=") + filePath +
           QStringLiteral(";Persist Security Info=False");
}

QString dataSource(const QString &connectionText)
{
    const QStringList parts = connectionText.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const qsizetype eq = part.indexOf(QLatin1Char('='));
        if (eq > 0 &&
            part.left(eq).trimmed().compare(QLatin1String("Data Source"), Qt::CaseInsensitive) == 0)
            return part.mid(eq + 1).trimmed();
    }
    return {};
}

} // namespace ConnectionText
