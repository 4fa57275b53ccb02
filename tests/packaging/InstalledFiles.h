#pragma once

#include <QString>
#include <QStringList>

// What an installation with the prefix /usr puts on the system, relative to
// the root: the programs, the default database, the desktop's entries and
// icons, the session's autostart entry and the documentation.
namespace InstalledFiles {

inline const QList<int> pngIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

inline QString pngIcon(int size)
{
    return QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/kolvira.png").arg(size);
}

inline const QString menuEntry = QStringLiteral("usr/share/applications/kolvira.desktop");
inline const QString autostartEntry = QStringLiteral("etc/xdg/autostart/kolvira.desktop");
inline const QString metainfo =
    QStringLiteral("usr/share/metainfo/org.kolvira.Kolvira.metainfo.xml");
inline const QString database = QStringLiteral("usr/share/kolvira/kolvira.db");
inline const QStringList programs{QStringLiteral("usr/bin/kolvira"),
                                  QStringLiteral("usr/bin/kolvira-db")};

inline QStringList all()
{
    QStringList files = programs;
    files << database << menuEntry << autostartEntry << metainfo
          << QStringLiteral("usr/share/icons/hicolor/scalable/apps/kolvira.svg")
          << QStringLiteral("usr/share/doc/kolvira/README.md")
          << QStringLiteral("usr/share/doc/kolvira/copyright");
    for (int size : pngIconSizes)
        files << pngIcon(size);
    files.sort();
    return files;
}

} // namespace InstalledFiles
