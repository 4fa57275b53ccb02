#include "prayer/UserSettings.h"
#include "support/FileBytes.h"
#include "support/WriteProtection.h"

#include <QTemporaryDir>
#include <QTest>

using Mode = UserSettings::AdhanMode;

// The settings file: what each content gives, what a failed write keeps.
class TestUserSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsWhatIsSound_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file
        QTest::addColumn<UserSettings>("expected");
        QTest::addColumn<int>("notes");
        UserSettings chosen;
        chosen.modes[1] = Mode::NotificationOnly;
        chosen.modes[6] = Mode::Nothing;
        chosen.reminders[0] = 120;
        chosen.reminders[3] = 15;
        chosen.hijriAdjustment = -2;
        chosen.volume = 0;
        QTest::newRow("missing") << QByteArray() << UserSettings() << 0;
        QTest::newRow("chosen") << QByteArray("[Ezani]\nSabahu=njoftimi\nJacia=asgje\n[Kujtesa]\n"
                                              "Imsaku=120\nDreka=15\n[Kalendari]\n"
                                              "KorrigjimiHixhri=-2\n[Luajtesi]\nVolumi=0\n")
                                << chosen << 0;
        QTest::newRow("out of range, not numbers, unknown mode")
            << QByteArray("[Ezani]\nJacia=zhurm\xc3\xab\n[Kujtesa]\nDreka=121\nIkindia=abc\n"
                          "[Kalendari]\nKorrigjimiHixhri=3\n[Luajtesi]\nVolumi=-1\n")
            << UserSettings() << 5;
        QTest::newRow("no settings file at all")
            << QByteArray("\x00\xff\x89PNG\r\n[[[\n=\n", 14) << UserSettings() << 1;
    }
    void readsWhatIsSound()
    {
        QFETCH(QByteArray, content);
        QFETCH(UserSettings, expected);
        QFETCH(int, notes);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kolvira.conf"));
        QVERIFY(content.isEmpty() || writeFile(path, content));
        SettingsStore store(path);
        QVERIFY(store.load() == expected);
        QCOMPARE(store.notes().size(), notes); // one for each value wrong
    }

    // What is saved reads back; a write that fails says so and keeps the old file.
    void savedOrKept()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kolvira.conf"));
        SettingsStore store(path);
        UserSettings settings;
        settings.modes[5] = Mode::NotificationOnly;
        settings.reminders[5] = 30;
        QCOMPARE(store.save(settings), QString());
        QVERIFY(store.load() == settings);
        const QByteArray before = readFile(path);
        WriteProtection protection(dir.path());
        QVERIFY(protection.holds());
        QVERIFY(!store.saveVolume(10).isEmpty());
        QCOMPARE(readFile(path), before);
    }
};

QTEST_GUILESS_MAIN(TestUserSettings)
#include "TestUserSettings.moc"
