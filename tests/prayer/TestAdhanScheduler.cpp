#include "prayer/AdhanScheduler.h"
#include "support/FakeMediaPlayer.h"

#include <QMap>
#include <QTest>
#include <algorithm>

using Start = AdhanScheduler::Start;

namespace {

const QString dawnPath = QStringLiteral("/p/Ezani i sabahut në Medine.mp3");
const QString dailyPath = QStringLiteral("/p/Ezani në Mekke - 1.mp3");

// Imsaku, Fexhri, sunrise, Dhuhri, Asri, Magribi, Isha.
DayTimes::Texts
times(const QString &seven = QStringLiteral("04:00 05:10 06:00 12:15 13:55 16:04 17:39"))
{
    DayTimes::Texts texts;
    std::ranges::copy(seven.split(QLatin1Char(' ')), texts.begin());
    return texts;
}

QDateTime at(int day, int h, int m, int s = 0, int ms = 0)
{
    return QDateTime(QDate(2026, 12, day), QTime(h, m, s, ms));
}

} // namespace

class TestAdhanScheduler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        player = FakeMediaPlayer();
        loads.clear();
        perDay.clear();
        scheduler =
            std::make_unique<AdhanScheduler>(player, dawnPath, dailyPath, [this](const QDate &d) {
                loads << d;
                return perDay.value(d, times());
            });
    }

    // The first tick at or after the shifted minute starts the adhan; the
    // rest of that minute starts nothing; the next minute clears the mark.
    void dhuhriWithOffsets_data()
    {
        QTest::addColumn<QString>("offset");
        QTest::addColumn<QTime>("clockMinute");
        QTest::newRow("0") << "0" << QTime(12, 15);
        QTest::newRow("5") << "5" << QTime(12, 20);
        QTest::newRow("-5") << "-5" << QTime(12, 10);
    }
    void dhuhriWithOffsets()
    {
        QFETCH(QString, offset);
        QFETCH(QTime, clockMinute);
        activate(offset);
        const QDate day(2026, 12, 6);
        QCOMPARE(scheduler->tick(QDateTime(day, clockMinute.addMSecs(-100))).start, Start::None);
        const auto first = scheduler->tick(QDateTime(day, clockMinute));
        QCOMPARE(first.start, Start::Daily);
        QCOMPARE(first.prayerIndex, 3);
        QCOMPARE(player.url, dailyPath);
        QVERIFY(scheduler->ezaniFilloi());
        player.playing = false; // a short recording ends within the minute
        for (int ms : {100, 30'000, 59'900})
            QCOMPARE(scheduler->tick(QDateTime(day, clockMinute.addMSecs(ms))).start, Start::None);
        QVERIFY(scheduler->ezaniFilloi());
        QCOMPARE(scheduler->tick(QDateTime(day, clockMinute.addSecs(60))).start, Start::None);
        QVERIFY(!scheduler->ezaniFilloi());
        QCOMPARE(player.started.size(), 1);
        QCOMPARE(player.prepared, QStringList{dailyPath}); // in the minute before
        // A clock set back into the minute does not start it again.
        QCOMPARE(scheduler->tick(QDateTime(day, clockMinute.addSecs(10))).start, Start::None);
    }

    // Imsaku and sunrise start nothing.
    void eachTimeItsRecording_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("recordings");
        const QStringList none, dawn{dawnPath}, daily{dailyPath};
        const QList<QStringList> played{none, dawn, none, daily, daily, daily, daily};
        const char *names[] = {"Imsaku", "Fexhri", "sunrise", "Dhuhri", "Asri", "Magribi", "Isha"};
        for (int i = 0; i < 7; ++i)
            QTest::newRow(names[i]) << i << played[i];
    }
    void eachTimeItsRecording()
    {
        QFETCH(int, index);
        DayTimes::Texts t;
        t.fill(QStringLiteral("--:--"));
        t[index] = QStringLiteral("09:00");
        activate("0", t);
        for (int s = 0; s < 120; ++s)
            scheduler->tick(at(6, 8, 59).addSecs(s));
        QTEST(player.started, "recordings");
        QTEST(player.prepared, "recordings");
    }

    void ishaAfterMidnightUsesThePreviousDay()
    {
        perDay[QDate(2026, 12, 6)] = times("04:00 05:10 06:00 11:40 13:55 16:04 23:58");
        perDay[QDate(2026, 12, 7)] = times("04:01 05:11 06:01 11:41 13:56 16:05 20:00");
        scheduler->setOffsetText("5");
        scheduler->setTimes(QDate(2026, 12, 6), perDay[QDate(2026, 12, 6)]);
        QCOMPARE(scheduler->tick(at(7, 0, 2, 59, 900)).start, Start::None);
        const auto tick = scheduler->tick(at(7, 0, 3));
        QCOMPARE(tick.start, Start::Daily);
        QCOMPARE(tick.prayerIndex, 6);
        QVERIFY(loads.isEmpty());
        // At 00:05 the shifted clock reaches the new day: its times take over.
        QVERIFY(!scheduler->tick(at(7, 0, 4, 59)).timesReloaded);
        QVERIFY(scheduler->tick(at(7, 0, 5)).timesReloaded);
        QCOMPARE(loads, QList<QDate>{QDate(2026, 12, 7)});
        QCOMPARE(scheduler->times()[6], QStringLiteral("20:00"));
    }

    void reloadWhenTheShiftedDayChanges_data()
    {
        QTest::addColumn<QString>("offset");
        QTest::addColumn<QDateTime>("lastOld");
        QTest::addColumn<QDateTime>("firstNew");
        QTest::newRow("0") << "0" << at(6, 23, 59, 59, 900) << at(7, 0, 0);
        QTest::newRow("5") << "5" << at(7, 0, 4, 59, 900) << at(7, 0, 5);
        QTest::newRow("-5") << "-5" << at(6, 23, 54, 59, 900) << at(6, 23, 55);
    }
    void reloadWhenTheShiftedDayChanges()
    {
        QFETCH(QString, offset);
        QFETCH(QDateTime, lastOld);
        QFETCH(QDateTime, firstNew);
        activate(offset);
        QVERIFY(!scheduler->tick(lastOld).timesReloaded);
        QVERIFY(loads.isEmpty());
        QVERIFY(scheduler->tick(firstNew).timesReloaded);
        QCOMPARE(loads, QList<QDate>{QDate(2026, 12, 7)});
        QCOMPARE(scheduler->timesDay(), QDate(2026, 12, 7));
        QVERIFY(!scheduler->tick(firstNew.addSecs(1)).timesReloaded);
    }

    // The first instant after which a tick can prepare or start an adhan or
    // load another day's times.
    void nextEvent_data()
    {
        QTest::addColumn<QString>("offset");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QDateTime>("event");
        QTest::newRow("Dhuhri prepared") << "0" << at(6, 9, 30, 12) << at(6, 12, 14);
        QTest::newRow("Dhuhri starts") << "0" << at(6, 12, 14, 59) << at(6, 12, 15);
        QTest::newRow("offset 5") << "5" << at(6, 12, 19) << at(6, 12, 20);
        QTest::newRow("next day, offset 5") << "5" << at(6, 17, 44) << at(7, 0, 5);
        QTest::newRow("next day, offset -5") << "-5" << at(6, 23, 50) << at(6, 23, 55);
        QTest::newRow("no city: midnight") << "False" << at(6, 12, 14) << at(7, 0, 0);
    }
    void nextEvent()
    {
        QFETCH(QString, offset);
        QFETCH(QDateTime, now);
        activate(offset);
        QTEST(scheduler->nextEvent(now), "event");
    }

    void noReloadBeforeTheFirstActivation()
    {
        const auto tick = scheduler->tick(at(7, 0, 0));
        QVERIFY(!tick.timesReloaded);
        QVERIFY(loads.isEmpty());
        QCOMPARE(scheduler->times()[3], QStringLiteral("XX:XX"));
    }

    void consecutiveAdhanMinutesPlayOnlyTheFirst()
    {
        activate("0", times("04:00 05:10 06:00 11:40 15:00 15:01 17:39"));
        QCOMPARE(scheduler->tick(at(6, 15, 0)).start, Start::Daily);
        player.playing = false;
        QCOMPARE(scheduler->tick(at(6, 15, 1)).start, Start::None);
        QCOMPARE(scheduler->tick(at(6, 15, 1, 30)).start, Start::None);
        QCOMPARE(scheduler->tick(at(6, 15, 2)).start, Start::None);
        QCOMPARE(player.started.size(), 1);
        // The mark holds only through minutes that follow one another.
        QCOMPARE(scheduler->tick(at(7, 15, 0)).start, Start::Daily);
        player.playing = false;
        QCOMPARE(scheduler->tick(at(7, 17, 39)).start, Start::Daily);
    }

    void waitsForAPlayerStillPlaying()
    {
        activate("0");
        player.playing = true;
        QCOMPARE(scheduler->tick(at(6, 12, 15)).start, Start::None);
        QCOMPARE(scheduler->tick(at(6, 12, 15, 10)).start, Start::None);
        QVERIFY(!scheduler->ezaniFilloi());
        QCOMPARE(scheduler->nextEvent(at(6, 12, 15, 10)), at(6, 12, 15, 11)); // tries again
        player.playing = false;
        QCOMPARE(scheduler->tick(at(6, 12, 15, 20)).start, Start::Daily);
    }

    void dawnDependsOnTheStatusText()
    {
        activate("0");
        // Playing by its state, but the status never says so: only the mark
        // keeps the dawn adhan to one start.
        player.playing = true;
        player.statusOverride = QStringLiteral("Ready");
        QCOMPARE(scheduler->tick(at(6, 5, 10)).start, Start::Dawn);
        QCOMPARE(player.url, dawnPath);
        QCOMPARE(scheduler->tick(at(6, 5, 10, 1)).start, Start::None);
        // A status that says Playing holds the dawn adhan back.
        scheduler->tick(at(6, 5, 11));
        player.statusOverride = QStringLiteral("Playing 'other.mp3'");
        activate("-1", times("04:00 05:12 06:00 12:15 13:55 16:04 17:39"));
        QCOMPARE(scheduler->tick(at(6, 5, 11, 30)).start, Start::None);
    }

    void offsetThatIsNoNumber()
    {
        activate("False");
        const auto tick = scheduler->tick(at(6, 12, 15));
        QCOMPARE(tick.start, Start::None);
        QCOMPARE(tick.clockText, QStringLiteral("12:15:00"));
        QVERIFY(!tick.gregorianDate.isEmpty());
        QVERIFY(player.started.isEmpty());
    }

    void clockAndDateTexts()
    {
        QCOMPARE(scheduler->tick(at(6, 21, 5, 5)).clockText, QStringLiteral("21:05:05"));
        const auto before = scheduler->tick(at(6, 23, 59, 59, 900));
        QCOMPARE(before.gregorianDate, QStringLiteral("E diel, 6 Dhjetor (12), 2026"));
        const auto after = scheduler->tick(at(7, 0, 0));
        QCOMPARE(after.clockText, QStringLiteral("00:00:00"));
        QCOMPARE(after.gregorianDate, QStringLiteral("E hënë, 7 Dhjetor (12), 2026"));
        QVERIFY(after.hijriDate.startsWith(QStringLiteral("E hënë, ")));
    }

private:
    void activate(const QString &offset, const DayTimes::Texts &t = times())
    {
        scheduler->setOffsetText(offset);
        scheduler->setTimes(QDate(2026, 12, 6), t);
        perDay[QDate(2026, 12, 6)] = t;
        perDay[QDate(2026, 12, 7)] = t;
    }

    FakeMediaPlayer player;
    std::unique_ptr<AdhanScheduler> scheduler;
    QList<QDate> loads;
    QMap<QDate, DayTimes::Texts> perDay;
};

QTEST_GUILESS_MAIN(TestAdhanScheduler)
#include "TestAdhanScheduler.moc"
