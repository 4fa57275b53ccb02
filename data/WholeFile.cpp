#include "data/WholeFile.h"

#include <QFile>
#include <QSaveFile>

namespace WholeFile {

QString write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return {};
    return QStringLiteral("Skedari \"%1\" nuk mund të shkruhet: %2").arg(path, file.errorString());
}

QString read(const QString &path, QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("Skedari \"%1\" nuk mund të lexohet: %2")
            .arg(path, file.errorString());
    bytes = file.readAll();
    return {};
}

} // namespace WholeFile
