// The .deb that `cpack` builds, unpacked as dpkg would put it in place: its
// name and control fields, a dependency on the package of every library the
// programs load and of the run-time plugins the linker cannot see, exactly
// the files an installation needs, entries the desktop's validators accept,
// and a database the installed tool accepts.

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Runs one of the system's tools to its end: whether it ended with status 0,
// and everything it printed.
std::pair<bool, QString> run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(240000) || process.exitStatus() != QProcess::NormalExit)
        return {false, program + ": " + process.errorString()};
    return {process.exitCode() == 0, QString::fromLocal8Bit(process.readAll())};
}

} // namespace

class TestDebianPackage : public QObject
{
    Q_OBJECT

    QTemporaryDir m_output;
    QString m_package;
    QString m_root; // the unpacked files

    QString field(const QString &name) const
    {
        return run("dpkg-deb", {"--field", m_package, name}).second.trimmed();
    }

private slots:
    void initTestCase()
    {
        const auto [made, cpack] =
            run(KOLVIRA_CPACK, {"--config", KOLVIRA_BUILD_DIR "/CPackConfig.cmake", "-G", "DEB",
                                "-B", m_output.path()});
        QVERIFY2(made, qPrintable(cpack));
        const QStringList debs = QDir(m_output.path()).entryList({"*.deb"}, QDir::Files);
        QCOMPARE(debs.size(), 1);
        m_package = m_output.filePath(debs.first());
        m_root = m_output.filePath("root");
        QVERIFY(run("dpkg-deb", {"-x", m_package, m_root}).first);
        QVERIFY(run("dpkg-deb", {"--control", m_package, m_root + "/DEBIAN"}).first);
    }

    void nameAndControlFields()
    {
        const QString arch = run("dpkg", {"--print-architecture"}).second.trimmed();
        QCOMPARE(QFileInfo(m_package).fileName(),
                 QStringLiteral("kolvira_%1_%2.deb").arg(KOLVIRA_VERSION, arch));
        QCOMPARE(field("Package") + ' ' + field("Version") + ' ' + field("Architecture"),
                 QStringLiteral("kolvira %1 %2").arg(KOLVIRA_VERSION, arch));
        // dpkg keeps an administrator's changes to the autostart entry on upgrade.
        QFile conffiles(m_root + "/DEBIAN/conffiles");
        QVERIFY(conffiles.open(QIODevice::ReadOnly));
        QCOMPARE(conffiles.readAll(), QByteArray("/etc/xdg/autostart/kolvira.desktop\n"));
    }

    // Each shared library a program names is owned, on this machine, by a
    // package the .deb depends on.
    void dependsOnEveryLibraryAndPlugin()
    {
        QStringList depends; // alternatives included, without versions
        for (const QString &item : field("Depends").split(QRegularExpression("[,|]")))
            depends << item.section('(', 0, 0).trimmed();
        for (const char *plugin : {"libqt6sql6-sqlite", "libqt6svg6", "gstreamer1.0-plugins-base",
                                   "gstreamer1.0-plugins-good"})
            QVERIFY2(depends.contains(plugin), plugin);
        const QString dynamic =
            run("readelf", {"-d", m_root + "/usr/bin/kolvira", m_root + "/usr/bin/kolvira-db"})
                .second;
        static const QRegularExpression needed(QStringLiteral(R"(\(NEEDED\).*\[(.+)\])"));
        int libraries = 0;
        for (auto match = needed.globalMatch(dynamic); match.hasNext(); ++libraries) {
            const QString library = match.next().captured(1);
            const QString owners = run("dpkg", {"-S", "*/" + library}).second;
            bool declared = false;
            for (const QString &line : owners.split('\n', Qt::SkipEmptyParts))
                declared = declared || depends.contains(line.section(':', 0, 0));
            QVERIFY2(declared, qPrintable(library + " from " + owners));
        }
        QVERIFY(libraries > 0);
    }

    // Programs marked (x); nothing else is executable.
    void holdsExactlyTheInstalledFiles()
    {
        QStringList expected =
            QStringLiteral(
                "etc/xdg/autostart/kolvira.desktop usr/bin/kolvira(x) usr/bin/kolvira-db(x) "
                "usr/share/applications/kolvira.desktop usr/share/doc/kolvira/README.md "
                "usr/share/doc/kolvira/copyright usr/share/icons/hicolor/scalable/apps/kolvira.svg "
                "usr/share/kolvira/kolvira.db usr/share/metainfo/org.kolvira.Kolvira.metainfo.xml")
                .split(' ');
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            expected << QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/kolvira.png").arg(size);
        QStringList found;
        for (QDirIterator it(m_root, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QString file = QDir(m_root).relativeFilePath(it.next());
            if (!file.startsWith("DEBIAN/"))
                found << file + (it.fileInfo().isExecutable() ? "(x)" : "");
        }
        found.sort();
        expected.sort();
        QCOMPARE(found, expected);
    }

    // The tree form also checks that the metainfo's launchable entry is
    // installed. Hints are advice; warnings and errors are faults.
    void entriesPassValidation_data()
    {
        QTest::addColumn<QString>("command"); // run in the unpacked tree
        QTest::newRow("menu entry")
            << "desktop-file-validate usr/share/applications/kolvira.desktop";
        QTest::newRow("autostart") << "desktop-file-validate etc/xdg/autostart/kolvira.desktop";
        QTest::newRow("metainfo") << "appstreamcli validate-tree --no-net --strict .";
        QTest::newRow("database") << "usr/bin/kolvira-db check usr/share/kolvira/kolvira.db";
    }
    void entriesPassValidation()
    {
        QFETCH(QString, command);
        QDir::setCurrent(m_root);
        QStringList arguments = command.split(' ');
        const QString program = arguments.takeFirst();
        const auto [valid, out] =
            run(program.startsWith("usr/") ? m_root + '/' + program : program, arguments);
        QVERIFY2(valid && !out.contains("warning:") && !out.contains("error:"), qPrintable(out));
    }
};

QTEST_GUILESS_MAIN(TestDebianPackage)
#include "TestDebianPackage.moc"
