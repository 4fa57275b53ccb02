#include "prayer/UserSettings.h"
#include "support/FileBytes.h"
#include "support/WriteProtection.h"

#include <QTemporaryDir>
#include <QTest>

// The settings file: what each content gives, what a failed write keeps.
class TestUserSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsWhatIsSound_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file
        QTest::addColumn<UserSettings>("expected");
        QTest::addColumn<int>("notes"); // one for each value that is wrong
        QTest::newRow("missing") << QByteArray() << UserSettings() << 0;
        QTest::newRow("chosen") << QByteArray(
                                       "[Ezani]\nJacia=asgje\n[Kujtesa]\nImsaku=120\n"
                                       "[Kalendari]\nKorrigjimiHixhri=-2\n[Luajtesi]\nZbutja=1\n"
                                       "EzaniSabahut=/a/s\xc3\xab.ogg\n[Njoftimet]\n"
                                       "ZgjedhjaEEzanitThene=1\nDitetEShenjta=0\n")
                                << chosen() << 0;
        QTest::newRow("out of range, not numbers, unknown mode")
            << QByteArray("[Ezani]\nJacia=zhurm\xc3\xab\n[Kujtesa]\nDreka=121\nIkindia=abc\n"
                          "[Kalendari]\nKorrigjimiHixhri=3\n[Luajtesi]\nVolumi=-1\nZbutja=2\n")
            << UserSettings() << 6;
        // A file from before Xhumaja's own reminder keeps Dhuhri's on Fridays.
        QTest::newRow("Dhuhri's reminder, Xhumaja's unset")
            << QByteArray("[Kujtesa]\nDreka=15\n") << noonReminders(15, 15) << 0;
        QTest::newRow("Xhumaja's own")
            << QByteArray("[Kujtesa]\nDreka=15\nXhumaja=0\n") << noonReminders(15, 0) << 0;
        QTest::newRow("no settings file at all")
            << QByteArray("\x00\xff\x89PNG\r\n[[[\n=\n", 14) << UserSettings() << 1;
    }
    void readsWhatIsSound()
    {
        QFETCH(QByteArray, content);
        QFETCH(UserSettings, expected);
        QVERIFY(content.isEmpty() || writeFile(path(), content));
        SettingsStore store(path());
        QVERIFY(store.load() == expected);
        QTEST(int(store.notes().size()), "notes");
    }

    // What is saved over a spoiled file reads back; a write that fails says so
    // and keeps the old file.
    void savedOrKept()
    {
        QVERIFY(writeFile(path(), QByteArray("\x00[[[\n=\n", 7)));
        SettingsStore store(path());
        QVERIFY(store.save(chosen()).isEmpty() && store.load() == chosen());
        const QByteArray before = readFile(path());
        WriteProtection protection(dir.path());
        QVERIFY(protection.holds() && !store.saveVolume(10).isEmpty());
        QCOMPARE(readFile(path()), before);
    }

private:
    static UserSettings chosen()
    {
        UserSettings settings;
        settings.modes[DayTimes::Isha] = UserSettings::AdhanMode::Nothing;
        settings.reminders[DayTimes::Imsaku] = 120;
        settings.hijriAdjustment = -2;
        settings.fadeIn = settings.chooseAdhanTold = true;
        settings.holyDayNotices = false;
        settings.dawnRecording = QStringLiteral("/a/së.ogg");
        return settings;
    }
    static UserSettings noonReminders(int dreka, int xhumaja)
    {
        UserSettings settings;
        settings.reminders[DayTimes::Dhuhri] = dreka;
        settings.reminders[PrayerNames::xhumaja] = xhumaja;
        return settings;
    }
    QString path() const { return dir.filePath(QStringLiteral("kolvira.conf")); }

    QTemporaryDir dir;
};

QTEST_GUILESS_MAIN(TestUserSettings)
#include "TestUserSettings.moc"
