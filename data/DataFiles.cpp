#include "data/DataFiles.h"

#include "data/ConnectionText.h"
#include "data/DatabaseError.h"
#include "data/UserCopyUpgrade.h"
#include "data/WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace DataFiles {
namespace {

QString inFolder(const QString &folder, const QString &fileName)
{
    return QDir::toNativeSeparators(folder + QLatin1Char('/') + fileName);
}

QString firstExisting(const QStringList &folders, const QString &fileName)
{
    for (const QString &folder : folders) {
        const QString path = inFolder(folder, fileName);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

} // namespace

Locations Locations::current()
{
    Locations where;
    where.programFolder = QDir::cleanPath(QCoreApplication::applicationDirPath());
    where.userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    for (const QString &shared :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        where.installedFolders << shared + QStringLiteral("/kolvira");
    // An installation under another prefix: <prefix>/bin/kolvira, <prefix>/share/kolvira.
    where.installedFolders << QDir::cleanPath(where.programFolder +
                                              QStringLiteral("/../share/kolvira"));
    where.installedFolders.removeDuplicates();
    return where;
}

QString guidePath(const Locations &where)
{
    // <prefix>/share/kolvira beside <prefix>/share/doc/kolvira.
    QStringList folders;
    for (const QString &installed : where.installedFolders)
        folders << QDir::cleanPath(installed + QStringLiteral("/../doc/kolvira"));
    return firstExisting(folders, QStringLiteral("udhezuesi.md"));
}

QString databasePath(const Locations &where, QString *notice)
{
    const QString name = QLatin1String(ConnectionText::databaseFileName);
    const QString beside = inFolder(where.programFolder, name);
    if (QFileInfo::exists(beside))
        return beside;
    if (where.userFolder.isEmpty())
        return beside;
    const QString user = inFolder(where.userFolder, name);
    const QString installed = firstExisting(where.installedFolders, name);
    if (QFileInfo::exists(user)) {
        if (!installed.isEmpty()) {
            const UserCopyUpgrade::Outcome upgrade = UserCopyUpgrade::run(user, installed);
            if (notice)
                *notice = upgrade.problem;
        }
        return user;
    }
    if (installed.isEmpty())
        return beside;

    // First start: the user's own copy of the installed default, written
    // whole or not at all.
    if (!QDir().mkpath(where.userFolder))
        throw DatabaseError(
            0, QStringLiteral("cannot create folder"),
            QStringLiteral("Dosja \"%1\" nuk mund të krijohet.").arg(where.userFolder));
    QByteArray bytes;
    QString failed = WholeFile::read(installed, bytes);
    if (failed.isEmpty())
        failed = WholeFile::write(user, bytes);
    if (!failed.isEmpty())
        throw DatabaseError(DatabaseError::noNumber, failed,
                            QStringLiteral("Baza e të dhënave \"%1\" nuk mund të kopjohet në "
                                           "\"%2\": %3")
                                .arg(installed, user, failed));
    return user;
}

QString recordingPath(const QString &fileName, const Locations &where)
{
    QStringList folders{where.programFolder};
    if (!where.userFolder.isEmpty())
        folders << where.userFolder;
    folders << where.installedFolders;
    const QString found = firstExisting(folders, fileName);
    return found.isEmpty() ? inFolder(where.programFolder, fileName) : found;
}

} // namespace DataFiles
