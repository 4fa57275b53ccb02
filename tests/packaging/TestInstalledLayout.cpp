// `cmake --install` into a temporary root with the prefix /usr, as a package
// does it: every file at its standard place and nothing else, icons of their
// nominal size, entries the desktop's own validators accept and that lead to
// the installed program and icon, and a database the installed tool accepts.

#include "packaging/InstalledFiles.h"
#include "packaging/ProcessRun.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// The value of a key of the [Desktop Entry] group.
QString desktopEntryValue(const QString &path, const QString &key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    bool inGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inGroup = line == QLatin1String("[Desktop Entry]");
        else if (inGroup && line.startsWith(key + QLatin1Char('=')))
            return line.mid(key.size() + 1);
    }
    return {};
}

struct Metainfo
{
    QString launchable;
    QStringList binaries;
    QStringList releases; // newest first, as the file lists them
};

Metainfo readMetainfo(const QString &path)
{
    Metainfo info;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return info;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("launchable"))
            info.launchable = xml.readElementText();
        else if (xml.name() == QLatin1String("binary"))
            info.binaries << xml.readElementText();
        else if (xml.name() == QLatin1String("release"))
            info.releases << xml.attributes().value(QLatin1String("version")).toString();
    }
    return info;
}

} // namespace

class TestInstalledLayout : public QObject
{
    Q_OBJECT

    QTemporaryDir m_root;

    QString installed(const QString &relative) const { return m_root.filePath(relative); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DESTDIR"), m_root.path());
        const ProcessRun install =
            ProcessRun::of(QStringLiteral(KOLVIRA_CMAKE),
                           {QStringLiteral("--install"), QStringLiteral(KOLVIRA_BUILD_DIR),
                            QStringLiteral("--prefix"), QStringLiteral("/usr")},
                           environment);
        QVERIFY2(install.succeeded(), install.report());
    }

    void fileIsAtItsPlace_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString &file : InstalledFiles::all())
            QTest::newRow(qPrintable(file)) << file;
    }

    void fileIsAtItsPlace()
    {
        QFETCH(QString, file);
        const QFileInfo info(installed(file));
        QVERIFY2(info.isFile(), qPrintable(file + QStringLiteral(" is missing")));
        QVERIFY2(info.size() > 0, qPrintable(file + QStringLiteral(" is empty")));
        if (InstalledFiles::programs.contains(file))
            QVERIFY(info.isExecutable());
        else
            QVERIFY2(!info.isExecutable(), qPrintable(file + QStringLiteral(" is executable")));
    }

    void nothingElseIsInstalled()
    {
        QStringList found;
        QDirIterator it(m_root.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            found << QDir(m_root.path()).relativeFilePath(it.next());
        found.sort();
        QCOMPARE(found, InstalledFiles::all());
    }

    void pngIconHasItsSize_data()
    {
        QTest::addColumn<int>("size");
        for (int size : InstalledFiles::pngIconSizes)
            QTest::newRow(qPrintable(QString::number(size))) << size;
    }

    void pngIconHasItsSize()
    {
        QFETCH(int, size);
        const QImage icon(installed(InstalledFiles::pngIcon(size)), "PNG");
        QCOMPARE(icon.size(), QSize(size, size));
        QVERIFY(icon.hasAlphaChannel());
        // The picture fills the square: its centre is drawn, its corners
        // (rounded off) are not.
        QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    }

    void entryPassesValidation_data()
    {
        QTest::addColumn<QString>("validator");
        QTest::addColumn<QStringList>("arguments");
        const QString desktopFileValidate = QStringLiteral("desktop-file-validate");
        QTest::newRow("menu entry")
            << desktopFileValidate << QStringList{installed(InstalledFiles::menuEntry)};
        QTest::newRow("autostart entry")
            << desktopFileValidate << QStringList{installed(InstalledFiles::autostartEntry)};
        // The tree form also checks that the metainfo's launchable entry is installed.
        QTest::newRow("metainfo") << QStringLiteral("appstreamcli")
                                  << QStringList{QStringLiteral("validate-tree"),
                                                 QStringLiteral("--no-net"),
                                                 QStringLiteral("--strict"), m_root.path()};
    }

    void entryPassesValidation()
    {
        QFETCH(QString, validator);
        QFETCH(QStringList, arguments);
        const ProcessRun run = ProcessRun::of(validator, arguments);
        QVERIFY2(run.succeeded(), run.report());
        // Hints are advice; warnings and errors are faults.
        QVERIFY2(!run.output.contains(QLatin1String("warning:")), run.report());
        QVERIFY2(!run.output.contains(QLatin1String("error:")), run.report());
    }

    void entryStartsTheInstalledProgram_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("menu entry") << InstalledFiles::menuEntry;
        QTest::newRow("autostart entry") << InstalledFiles::autostartEntry;
    }

    void entryStartsTheInstalledProgram()
    {
        QFETCH(QString, entry);
        const QString exec = desktopEntryValue(installed(entry), QStringLiteral("Exec"));
        QCOMPARE(exec, QStringLiteral("kolvira"));
        QVERIFY(QFileInfo(installed(QStringLiteral("usr/bin/") + exec)).isExecutable());

        const QString icon = desktopEntryValue(installed(entry), QStringLiteral("Icon"));
        QVERIFY(!icon.isEmpty());
        QStringList themeFiles{QStringLiteral("scalable/apps/%1.svg").arg(icon)};
        for (int size : InstalledFiles::pngIconSizes)
            themeFiles << QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(icon);
        for (const QString &file : themeFiles)
            QVERIFY2(
                QFileInfo::exists(installed(QStringLiteral("usr/share/icons/hicolor/") + file)),
                qPrintable(file));
    }

    void metainfoDescribesThisRelease()
    {
        const Metainfo info = readMetainfo(installed(InstalledFiles::metainfo));
        QCOMPARE(info.launchable, QFileInfo(InstalledFiles::menuEntry).fileName());
        QVERIFY(!info.releases.isEmpty());
        QCOMPARE(info.releases.first(), QStringLiteral(KOLVIRA_VERSION));
        QVERIFY(!info.binaries.isEmpty());
        for (const QString &binary : info.binaries)
            QVERIFY2(InstalledFiles::programs.contains(QStringLiteral("usr/bin/") + binary),
                     qPrintable(binary));
    }

    void installedDatabasePassesItsCheck()
    {
        const ProcessRun check =
            ProcessRun::of(installed(QStringLiteral("usr/bin/kolvira-db")),
                           {QStringLiteral("check"), installed(InstalledFiles::database)});
        QVERIFY2(check.succeeded(), check.report());
    }
};

QTEST_GUILESS_MAIN(TestInstalledLayout)
#include "TestInstalledLayout.moc"
