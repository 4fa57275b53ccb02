#include "prayer/Recordings.h"

#include <QCoreApplication>
#include <QDir>

namespace Recordings {
namespace {

QString join(const QString &folder, const char *name)
{
    return QDir::toNativeSeparators(folder + QLatin1Char('/') + QString::fromUtf8(name));
}

} // namespace

QString programFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath());
}

QString dawn(const QString &folder)
{
    return join(folder, dawnFileName);
}

QString daily(const QString &folder)
{
    return join(folder, dailyFileName);
}

} // namespace Recordings
