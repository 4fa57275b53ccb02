// The .deb that `cpack` builds: its name, its control fields, a dependency on
// the package of every library the programs load, the run-time plugins the
// linker cannot see, and exactly the files an installation puts in place.

#include "packaging/InstalledFiles.h"
#include "packaging/ProcessRun.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestDebianPackage : public QObject
{
    Q_OBJECT

    QTemporaryDir m_output;
    QString m_package;
    QString m_architecture;

    QString field(const QString &name) const
    {
        return ProcessRun::of(QStringLiteral("dpkg-deb"),
                              {QStringLiteral("--field"), m_package, name})
            .output.trimmed();
    }

    // The names of the packages in Depends, alternatives included, without versions.
    QStringList dependencies() const
    {
        QStringList names;
        static const QRegularExpression separator(QStringLiteral("[,|]"));
        for (const QString &item : field(QStringLiteral("Depends")).split(separator))
            names << item.section(QLatin1Char('('), 0, 0).trimmed();
        return names;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_output.isValid());
        const ProcessRun cpack = ProcessRun::of(
            QStringLiteral(KOLVIRA_CPACK),
            {QStringLiteral("--config"), QStringLiteral(KOLVIRA_BUILD_DIR "/CPackConfig.cmake"),
             QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), m_output.path()});
        QVERIFY2(cpack.succeeded(), cpack.report());
        const QStringList debs =
            QDir(m_output.path()).entryList({QStringLiteral("*.deb")}, QDir::Files);
        QCOMPARE(debs.size(), 1);
        m_package = m_output.filePath(debs.first());
        const ProcessRun arch =
            ProcessRun::of(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")});
        QVERIFY2(arch.succeeded(), arch.report());
        m_architecture = arch.output.trimmed();
    }

    void fileNameCarriesVersionAndArchitecture()
    {
        QCOMPARE(QFileInfo(m_package).fileName(),
                 QStringLiteral("kolvira_%1_%2.deb").arg(KOLVIRA_VERSION, m_architecture));
    }

    void controlField_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::newRow("Package") << "Package"
                                 << "kolvira";
        QTest::newRow("Version") << "Version" << KOLVIRA_VERSION;
        QTest::newRow("Section") << "Section"
                                 << "utils";
        QTest::newRow("Maintainer") << "Maintainer"
                                    << "The Kolvira team <kolvira@kolvira.org>";
    }

    void controlField()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QCOMPARE(field(name), value);
    }

    void architectureIsThisMachines()
    {
        QCOMPARE(field(QStringLiteral("Architecture")), m_architecture);
    }

    void dependsOnEveryLinkedLibrary_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("kolvira") << "usr/bin/kolvira";
        QTest::newRow("kolvira-db") << "usr/bin/kolvira-db";
    }

    // Each shared library a program names is owned, on this machine, by a
    // package the .deb depends on.
    void dependsOnEveryLinkedLibrary()
    {
        QFETCH(QString, program);
        QTemporaryDir unpacked;
        const ProcessRun extract = ProcessRun::of(
            QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), m_package, unpacked.path()});
        QVERIFY2(extract.succeeded(), extract.report());
        const ProcessRun dynamic = ProcessRun::of(
            QStringLiteral("readelf"), {QStringLiteral("-d"), unpacked.filePath(program)});
        QVERIFY2(dynamic.succeeded(), dynamic.report());

        static const QRegularExpression needed(QStringLiteral(R"(\(NEEDED\).*\[(.+)\])"));
        const QStringList depends = dependencies();
        int libraries = 0;
        for (auto match = needed.globalMatch(dynamic.output); match.hasNext(); ++libraries) {
            const QString library = match.next().captured(1);
            const ProcessRun owners = ProcessRun::of(
                QStringLiteral("dpkg"), {QStringLiteral("-S"), QStringLiteral("*/") + library});
            QVERIFY2(owners.succeeded(), owners.report());
            bool declared = false;
            for (const QString &line : owners.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
                declared = declared || depends.contains(line.section(QLatin1Char(':'), 0, 0));
            QVERIFY2(declared, qPrintable(library + QStringLiteral(" from ") + owners.output));
        }
        QVERIFY(libraries > 0);
    }

    void dependsOnRunTimePlugin_data()
    {
        QTest::addColumn<QString>("package");
        QTest::newRow("SQLite driver") << "libqt6sql6-sqlite";
        QTest::newRow("SVG icon engine") << "libqt6svg6";
        QTest::newRow("GStreamer playbin") << "gstreamer1.0-plugins-base";
        QTest::newRow("mp3 decoder, PulseAudio sink") << "gstreamer1.0-plugins-good";
    }

    void dependsOnRunTimePlugin()
    {
        QFETCH(QString, package);
        QVERIFY2(dependencies().contains(package), qPrintable(field(QStringLiteral("Depends"))));
    }

    void holdsExactlyTheInstalledFiles()
    {
        const ProcessRun contents =
            ProcessRun::of(QStringLiteral("dpkg-deb"), {QStringLiteral("--contents"), m_package});
        QVERIFY2(contents.succeeded(), contents.report());
        QStringList files;
        for (const QString &line : contents.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            if (line.startsWith(QLatin1Char('-'))) // regular files
                files << line.section(QStringLiteral("./"), 1);
        }
        files.sort();
        QCOMPARE(files, InstalledFiles::all());
    }

    // dpkg keeps an administrator's changes to the autostart entry on upgrade.
    void autostartEntryIsAConffile()
    {
        QTemporaryDir control;
        const ProcessRun extract = ProcessRun::of(
            QStringLiteral("dpkg-deb"), {QStringLiteral("--control"), m_package, control.path()});
        QVERIFY2(extract.succeeded(), extract.report());
        QFile conffiles(control.filePath(QStringLiteral("conffiles")));
        QVERIFY(conffiles.open(QIODevice::ReadOnly));
        QCOMPARE(
            QString::fromUtf8(conffiles.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
            QStringList{QLatin1Char('/') + InstalledFiles::autostartEntry});
    }
};

QTEST_GUILESS_MAIN(TestDebianPackage)
#include "TestDebianPackage.moc"
