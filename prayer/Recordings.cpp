#include "prayer/Recordings.h"

#include "data/DataFiles.h"
#include "data/WholeFile.h"

#include <QDir>
#include <QFileInfo>

namespace Recordings {

namespace {

QString chosenOr(const QString &chosen, const char *fileName)
{
    if (exists(chosen))
        return chosen;
    return DataFiles::recordingPath(QString::fromUtf8(fileName));
}

// The theme's own sound for an event that has come, found as the XDG sound
// theme folders are searched.
constexpr auto alertFile = "sounds/freedesktop/stereo/complete.oga";

} // namespace

QString dawn(const QString &chosen)
{
    return chosenOr(chosen, dawnFileName);
}

QString daily(const QString &chosen)
{
    return chosenOr(chosen, dailyFileName);
}

bool exists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QString atAdhan(const QString &recording, bool dawnAdhan, const QString &alert)
{
    const QString found = dawnAdhan ? dawn(recording) : daily(recording);
    return exists(found) ? found : alert;
}

QString alert()
{
    QString home = qEnvironmentVariable("XDG_DATA_HOME");
    if (home.isEmpty())
        home = QDir::homePath() + QStringLiteral("/.local/share");
    QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dirs.isEmpty())
        dirs = QStringLiteral("/usr/local/share:/usr/share");
    for (const QString &folder :
         QStringList{home} + dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString path = QDir(folder).filePath(QString::fromLatin1(alertFile));
        if (exists(path))
            return path;
    }
    return {};
}

QString keep(const QString &source, bool dawnAdhan, QString &copy)
{
    const QString folder = DataFiles::Locations::current().userFolder;
    if (!QDir().mkpath(folder))
        return QStringLiteral("Dosja \"%1\" nuk mund të krijohet.").arg(folder);
    const QString suffix = QFileInfo(source).suffix().toLower();
    const QString name = dawnAdhan ? QStringLiteral("ezani-i-sabahut") : QStringLiteral("ezani");
    const QString target =
        QDir(folder).filePath(suffix.isEmpty() ? name : name + QLatin1Char('.') + suffix);
    if (QFileInfo(source).canonicalFilePath() == QFileInfo(target).canonicalFilePath()) {
        copy = target; // chosen again from where it is kept
        return {};
    }
    QByteArray bytes;
    if (QString failure = WholeFile::read(source, bytes); !failure.isEmpty())
        return failure;
    if (QString failure = WholeFile::write(target, bytes); !failure.isEmpty())
        return failure;
    copy = target;
    return {};
}

} // namespace Recordings
