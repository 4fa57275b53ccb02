#include "data/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

namespace WholeFile {

QString write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return {};
    // A full disk shows as "Unknown error" or a bare write error: say what it is.
    const QStorageInfo disk(QFileInfo(path).absolutePath());
    if (disk.isValid() && disk.bytesAvailable() < bytes.size() + 4096)
        return QStringLiteral("Skedari \"%1\" nuk mund të shkruhet: disku është plot. Lironi "
                              "vend në disk dhe provoni përsëri.")
            .arg(path);
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
