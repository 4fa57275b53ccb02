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
        // One for each value that is wrong, named as the settings window shows it.
        QTest::addColumn<QStringList>("notes");
        QTest::newRow("missing") << QByteArray() << UserSettings() << QStringList();
        QTest::newRow("chosen") << QByteArray(
                                       "[Ezani]\nJacia=asgje\n[Kujtesa]\nImsaku=120\n"
                                       "[Kalendari]\nKorrigjimiHixhri=-2\n[Luajtesi]\nZbutja=1\n"
                                       "EzaniSabahut=/a/s\xc3\xab.ogg\n[Njoftimet]\n"
                                       "ZgjedhjaEEzanitThene=1\nDitetEShenjta=0\n")
                                << chosen() << QStringList();
        QTest::newRow("out of range, not numbers, unknown mode")
            << QByteArray("[Ezani]\nJacia=zhurm\xc3\xab\n[Kujtesa]\nDreka=121\nIkindia=abc\n"
                          "[Kalendari]\nKorrigjimiHixhri=3\n[Luajtesi]\nVolumi=-1\nZbutja=2\n")
            << UserSettings()
            << QStringList{
                   "\"Ezani i Jacisë\" te Cilësimet nuk vlen; mbetet \"Ezani dhe dritarja\".",
                   "\"Kujtesa para Drekës\" te Cilësimet nuk vlen; mbetet pa kujtesë.",
                   "\"Kujtesa para Ikindisë\" te Cilësimet nuk vlen; mbetet pa kujtesë.",
                   "\"Korrigjimi i datës hixhri\" te Cilësimet nuk vlen; mbetet 0 ditë.",
                   "\"Volumi i ezanit\" te Cilësimet nuk vlen; mbetet 50.",
                   "\"Ezani nis butë\" te Cilësimet nuk vlen; mbetet jo."};
        // A file from before Xhumaja's own reminder keeps Dhuhri's on Fridays.
        QTest::newRow("Dhuhri's reminder, Xhumaja's unset")
            << QByteArray("[Kujtesa]\nDreka=15\n") << noonReminders(15, 15) << QStringList();
        QTest::newRow("Xhumaja's own") << QByteArray("[Kujtesa]\nDreka=15\nXhumaja=0\n")
                                       << noonReminders(15, 0) << QStringList();
        QTest::newRow("no settings file at all")
            << QByteArray("\x00\xff\x89PNG\r\n[[[\n=\n", 14) << UserSettings()
            << QStringList{"është i dëmtuar; vlejnë cilësimet e paracaktuara"};
    }
    void readsWhatIsSound()
    {
        QFETCH(QByteArray, content);
        QFETCH(UserSettings, expected);
        QVERIFY(content.isEmpty() || writeFile(path(), content));
        SettingsStore store(path());
        QVERIFY(store.load() == expected);
        QFETCH(QStringList, notes);
        QCOMPARE(store.notes().size(), notes.size());
        for (qsizetype i = 0; i < notes.size(); ++i)
            QVERIFY2(store.notes()[i].contains(notes[i]), qPrintable(store.notes()[i]));
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
