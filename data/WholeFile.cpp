#include "data/WholeFile.h"

#include <QSaveFile>

namespace WholeFile {

QString write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return {};
    return QStringLiteral("Skedari \"%1\" nuk mund të shkruhet: %2").arg(path, file.errorString());
}

} // namespace WholeFile
