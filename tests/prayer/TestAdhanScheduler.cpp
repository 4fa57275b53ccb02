#include "calendar/ClockTimer.h"
#include "data/CalendarConnection.h"
#include "prayer/AdhanScheduler.h"
#include "prayer/QtMediaPlayer.h"
#include "support/FakeClock.h"
#include "support/FakeMediaPlayer.h"
#include "support/FileBytes.h"
#include "support/FixtureDatabase.h"

#include <QAudioOutput>
#include <QMap>
#include <QMediaPlayer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QTimer>
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

// The clock and the adhan: each tick on its own, a whole year of ticks woken
// by the timer, and the real player given what it cannot play.
class TestAdhanScheduler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        player = FakeMediaPlayer();
        loads.clear();
        scheduler =
            std::make_unique<AdhanScheduler>(player, dawnPath, dailyPath, [this](const QDate &d) {
                loads << d;
                return dayTimes;
            });
    }

    // The first tick at or after the shifted minute starts the adhan, once;
    // the timer is told when to prepare and start it, and when the shifted
    // clock reaches the next day, whose times are loaded then.
    void adhanAndReloadAtTheShiftedMinutes_data()
    {
        QTest::addColumn<QString>("offset");
        QTest::addColumn<QTime>("dhuhri");
        QTest::addColumn<QDateTime>("dayChange");
        QTest::newRow("0") << "0" << QTime(12, 15) << at(7, 0, 0);
        QTest::newRow("5") << "5" << QTime(12, 20) << at(7, 0, 5);
        QTest::newRow("-5") << "-5" << QTime(12, 10) << at(6, 23, 55);
        QTest::newRow("4.6 rounded") << "4.6" << QTime(12, 20) << at(7, 0, 5);
    }
    void adhanAndReloadAtTheShiftedMinutes()
    {
        QFETCH(QString, offset);
        QFETCH(QTime, dhuhri);
        QFETCH(QDateTime, dayChange);
        activate(offset);
        const QDateTime minute(QDate(2026, 12, 6), dhuhri);
        QCOMPARE(scheduler->nextEvent(minute.addSecs(-90)), minute.addSecs(-60));
        QCOMPARE(scheduler->nextEvent(minute.addSecs(-30)), minute);
        QCOMPARE(scheduler->tick(minute.addMSecs(-100)).start, Start::None);
        QCOMPARE(scheduler->tick(minute).start, Start::Daily);
        player.playing = false; // a short recording ends within the minute
        // Neither the rest of the minute nor a clock set back into it starts it again.
        for (int ms : {100, 59'900, 60'000, 10'000})
            QCOMPARE(scheduler->tick(minute.addMSecs(ms)).start, Start::None);
        QCOMPARE(player.started, QStringList{dailyPath});
        QCOMPARE(player.prepared, QStringList{dailyPath}); // in the minute before
        const QDateTime lastOld = dayChange.addMSecs(-100);
        QCOMPARE(scheduler->nextEvent(lastOld), dayChange);
        QVERIFY(!scheduler->tick(lastOld).timesReloaded);
        QVERIFY(scheduler->tick(dayChange).timesReloaded);
        QVERIFY(!scheduler->tick(dayChange.addSecs(1)).timesReloaded);
        QCOMPARE(loads, QList<QDate>{QDate(2026, 12, 7)});
    }

    // Before the first activation nothing is loaded; without a city only the
    // day changes.
    void nothingButTheDayChange()
    {
        QVERIFY(!scheduler->tick(at(7, 0, 0)).timesReloaded);
        activate("False");
        QCOMPARE(scheduler->nextEvent(at(6, 12, 14)), at(7, 0, 0));
    }

    // An activation reloads the day and keeps what sounded; the minutes of
    // another city bring its adhans back.
    void activationKeepsWhatSounded()
    {
        activate("0");
        QCOMPARE(scheduler->tick(at(6, 12, 15)).start, Start::Daily);
        player.playing = false;
        activate("0");
        QCOMPARE(scheduler->tick(at(6, 12, 15, 30)).start, Start::None);
        activate("5");
        QCOMPARE(scheduler->tick(at(6, 12, 20)).start, Start::Daily);
    }

    // A chosen recording deleted after it was set is looked for at its adhan:
    // the alert plays instead, and the tick says so.
    void recordingDeletedLater()
    {
        QTemporaryDir dir;
        const QString chosen = dir.filePath(QStringLiteral("ezani.mp3"));
        const QString alert = dir.filePath(QStringLiteral("alert.oga"));
        QVERIFY(writeFile(chosen, "ID3"));
        scheduler->setRecordings(dawnPath, chosen, alert);
        activate("0");
        QVERIFY(!scheduler->tick(at(6, 12, 15)).alertOnly);
        player.playing = false;
        QVERIFY(QFile::remove(chosen));
        QVERIFY(scheduler->tick(at(6, 13, 55)).alertOnly);
        QCOMPARE(player.started, (QStringList{chosen, alert}));
    }

    void consecutiveAdhanMinutesPlayOnlyTheFirst()
    {
        activate("0", times("04:00 05:10 06:00 11:40 15:00 15:01 17:39"));
        QCOMPARE(scheduler->tick(at(6, 15, 0)).start, Start::Daily);
        player.playing = false;
        for (const QDateTime &t : {at(6, 15, 1), at(6, 15, 1, 30), at(6, 15, 2)})
            QCOMPARE(scheduler->tick(t).start, Start::None);
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
        QCOMPARE(scheduler->nextEvent(at(6, 12, 15, 10)), at(6, 12, 15, 11)); // tries again
        player.playing = false;
        QCOMPARE(scheduler->tick(at(6, 12, 15, 20)).start, Start::Daily);
    }

    // The dawn adhan asks the player's status text, the daily ones its state.
    void dawnLooksAtTheStatusText()
    {
        activate("0");
        player.playing = true;
        player.statusOverride = QStringLiteral("Ready");
        QCOMPARE(scheduler->tick(at(6, 5, 10)).start, Start::Dawn);
        QCOMPARE(scheduler->tick(at(6, 5, 10, 1)).start, Start::None);
        player.playing = false;
        player.statusOverride = QStringLiteral("Playing 'other.mp3'");
        QCOMPARE(scheduler->tick(at(7, 5, 10)).start, Start::None);
    }

    // What the user's setting of one time brings at each tick: the adhan, a
    // notice only, nothing, a reminder (Imsaku's only in Ramadan); a clock
    // set over adhan times names the latest once, unless its setting is nothing.
    void settingsAndTimesPassedOver_data()
    {
        QTest::addColumn<int>("time");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("reminder");
        QTest::addColumn<QList<QDateTime>>("ticks");
        QTest::addColumn<QString>("expected");
        QTest::newRow("adhan, reminder")
            << 3 << 0 << 15
            << QList{at(6, 11, 59, 59), at(6, 12, 0), at(6, 12, 0, 30), at(6, 12, 15)}
            << "12:00 reminder 3, 12:15 start 3";
        QTest::newRow("notice only")
            << 3 << 1 << 0 << QList{at(6, 12, 14), at(6, 12, 15, 1)} << "12:15 notice 3";
        QTest::newRow("nothing") << 3 << 2 << 0 << QList{at(6, 12, 14), at(6, 12, 15)} << "";
        // then set back into Asri's minute (a network correction after waking)
        QTest::newRow("set over Dhuhri and Asri, then back")
            << 3 << 0 << 0 << QList{at(6, 12, 0), at(6, 13, 56), at(6, 13, 55, 30)}
            << "13:56 missed 4";
        QTest::newRow("set over Dhuhri, set to nothing")
            << 3 << 2 << 0 << QList{at(6, 12, 0), at(6, 12, 20)} << "";
        QTest::newRow("a night's sleep")
            << 1 << 0 << 0 << QList{at(6, 20, 0), at(7, 6, 0)} << "06:00 missed 1";
        QTest::newRow("Imsaku in Ramadan")
            << 0 << 0 << 10 << QList{QDateTime(QDate(2026, 3, 1), QTime(3, 50))}
            << "03:50 reminder 0";
        QTest::newRow("Imsaku in another month") << 0 << 0 << 10 << QList{at(6, 3, 50)} << "";
    }
    void settingsAndTimesPassedOver()
    {
        QFETCH(int, time);
        QFETCH(int, mode);
        QFETCH(int, reminder);
        UserSettings settings;
        settings.modes[std::size_t(time)] = UserSettings::AdhanMode(mode);
        settings.reminders[std::size_t(time)] = reminder;
        scheduler->setSettings(settings);
        activate("0");
        QStringList seen;
        QFETCH(QList<QDateTime>, ticks);
        for (const QDateTime &t : ticks) {
            const AdhanScheduler::Tick k = scheduler->tick(t);
            player.playing = false;
            for (const auto &[what, i] : {std::pair{"start ", k.prayerIndex},
                                          {"notice ", k.noticeIndex},
                                          {"missed ", k.missedIndex},
                                          {"reminder ", k.reminderIndex}})
                if (i >= 0)
                    seen << t.toString("HH:mm ") + what + QString::number(i);
        }
        QTEST(seen.join(", "), "expected");
        if (mode != 0) // no sound, not even its pipeline
            QVERIFY(player.prepared.isEmpty() && player.started.isEmpty());
    }

    // 10 December 2026 begins Rexheb 1448 and its evening the Night of Regaib:
    // told once each, at the wake-ups of Fexhri and Magribi, unless switched off.
    void holyDayNoticesOnce_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("on") << true
                            << QStringList{"10 05:10 Sot është Fillimi i tre muajve (Rexhebi)",
                                           "10 16:04 Sonte është Nata e Regaibit"};
        QTest::newRow("off") << false << QStringList{};
    }
    void holyDayNoticesOnce()
    {
        QFETCH(bool, on);
        UserSettings settings;
        settings.holyDayNotices = on;
        scheduler->setSettings(settings);
        activate("0");
        QStringList told;
        for (QDateTime now = at(9, 23, 0); now < at(11, 23, 0); now = scheduler->nextEvent(now)) {
            player.playing = false;
            if (const QString notice = scheduler->tick(now).holyNotice; !notice.isEmpty())
                told << now.toString("d HH:mm ") + notice;
        }
        QTEST(told, "expected");
    }

    // On a Friday the reminder before Dhuhri is Xhumaja's, on the other days
    // Dhuhri's own; the hidden window's timer wakes for the one that counts.
    void fridayReminder_data()
    {
        QTest::addColumn<int>("day"); // of December 2026: the 4th a Friday, the 3rd a Thursday
        QTest::addColumn<int>("dreka");
        QTest::addColumn<int>("xhumaja");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Friday, Xhumaja's") << 4 << 0 << 30 << "wake 11:45, reminder 11:45";
        QTest::newRow("Friday, none for Xhumaja") << 4 << 15 << 0 << "wake 12:14";
        QTest::newRow("Thursday, Dhuhri's") << 3 << 15 << 30 << "wake 12:00, reminder 12:00";
        QTest::newRow("Thursday, none for Dhuhri") << 3 << 0 << 30 << "wake 12:14";
    }
    void fridayReminder()
    {
        QFETCH(int, day);
        QFETCH(int, dreka);
        QFETCH(int, xhumaja);
        UserSettings settings;
        settings.reminders[DayTimes::Dhuhri] = dreka;
        settings.reminders[PrayerNames::xhumaja] = xhumaja;
        scheduler->setSettings(settings);
        activate("0");
        scheduler->tick(at(day, 11, 0));
        QStringList seen{"wake " + scheduler->nextEvent(at(day, 11, 0)).toString("HH:mm")};
        for (QDateTime t = at(day, 11, 1); t < at(day, 12, 14); t = t.addSecs(60))
            if (scheduler->tick(t).reminderIndex == DayTimes::Dhuhri)
                seen << t.toString("'reminder 'HH:mm");
        QTEST(seen.join(", "), "expected");
    }

    // The next prayer counted to: in Ramadan Imsaku before it, Magribi after
    // it; after Isha the next day's first.
    void nextPrayer_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("expected");
        QTest::newRow("after Isha") << at(6, 17, 45) << "1 7 05:15";
        const QDate ramadan(2026, 3, 1);
        QTest::newRow("Ramadan, before Imsaku") << QDateTime(ramadan, QTime(3, 0)) << "0 04:05 R";
        QTest::newRow("Ramadan, after it") << QDateTime(ramadan, QTime(6, 0)) << "5 16:09 R";
        QTest::newRow("Ramadan, after Magribi") << QDateTime(ramadan, QTime(16, 30)) << "6 17:44";
    }
    void nextPrayer()
    {
        QFETCH(QDateTime, now);
        scheduler->setOffsetText("5");
        scheduler->setTimes(now.date(), dayTimes = times());
        const AdhanScheduler::Upcoming next = scheduler->nextPrayer(now);
        const QString day = next.day != now.date() ? QString::number(next.day.day()) + ' ' : "";
        QTEST(QString::number(next.index) + ' ' + day + next.moment.toString("HH:mm") +
                  (next.ramadan ? " R" : ""),
              "expected");
    }

    // A whole leap year woken by the timer while the window is hidden, on a
    // fake clock of Prishtinë (Europe/Belgrade), both daylight-saving changes
    // included, against a table in a real database file, with a clock that
    // is set forward and back every day and a timer that sometimes fires late.
    void everyAdhanOnceADayForAYear()
    {
        // Dhuhri moves from day to day, so yesterday's times kept past
        // midnight would sound it at the wrong minute.
        const auto dhuhriOf = [](const QDate &d) { return QTime(12, d.dayOfYear() % 50); };
        FixtureDatabase db;
        db.addWholeYear([&](const QDate &d) -> std::array<QString, 7> {
            return {"04:20:00", "04:30:00", "06:00:00", dhuhriOf(d).toString("HH:mm:ss"),
                    "15:30:00", "18:00:00", "23:58:00"};
        });
        CalendarConnection connection;
        connection.open(db.connectionText());
        const auto load = [&](const QDate &day) { return DayTimes::load(day, connection); };
        scheduler = std::make_unique<AdhanScheduler>(player, "dawn", "daily", load);
        const QTimeZone zone("Europe/Belgrade");
        QVERIFY(zone.isValid());
        FakeClock clock(QDateTime(QDate(2024, 1, 1), QTime(1, 0), zone));
        scheduler->setOffsetText(QStringLiteral("5")); // the activation at the start
        scheduler->setTimes(QDate(2024, 1, 1), load(QDate(2024, 1, 1)));

        // (wall date, time index) -> "hh:mm recording" of each start
        QMap<QPair<QDate, int>, QStringList> starts;
        qint64 playingUntil = -1; // on the monotonic clock
        qint64 wakes = 0;
        ClockTimer timer(
            clock, [&](const QDateTime &now) { return scheduler->nextEvent(now); },
            [&] {
                ++wakes;
                player.playing &= clock.monotonicMs() < playingUntil;
                const QDateTime now = clock.now();
                const AdhanScheduler::Tick tick = scheduler->tick(now);
                if (tick.start == Start::None)
                    return;
                starts[{now.date(), tick.prayerIndex}] << now.toString("HH:mm ") + player.url;
                playingUntil = clock.monotonicMs() + 150'000; // two and a half minutes
            });
        timer.start();

        // Each day the clock is set while the timer waits: forward over no
        // adhan, back over Asri, forward into Magribi's minute and back within
        // it, a night's sleep; every seventh day forward over Fexhri.
        const auto skipsFexhri = [](const QDate &d) { return d.dayOfYear() % 7 == 0; };
        const QList<QPair<QTime, QTime>> daily = {
            {QTime(4, 0), QTime(5, 0)},       {QTime(10, 0), QTime(11, 0)},
            {QTime(16, 0), QTime(15, 20)},    {QTime(17, 0), QTime(18, 5, 30)},
            {QTime(18, 6), QTime(18, 5, 10)}, {QTime(20, 0), QTime(23, 0)},
        };
        QList<QPair<QDateTime, QDateTime>> jumps;
        for (QDate d(2024, 1, 1); d.year() == 2024; d = d.addDays(1))
            for (const auto &[from, to] : daily)
                if (from.hour() != 4 || skipsFexhri(d))
                    jumps << qMakePair(QDateTime(d, from, zone), QDateTime(d, to, zone));
        while (clock.now() < QDateTime(QDate(2025, 1, 1), QTime(1, 0), zone)) {
            qint64 wait = timer.plannedWaitMs();
            const qint64 untilJump =
                jumps.isEmpty() ? wait : std::max<qint64>(0, clock.now().msecsTo(jumps[0].first));
            if (untilJump < wait) { // the timer counts on over the jump
                clock.advanceMs(untilJump);
                wait -= untilJump;
                clock.current = jumps.takeFirst().second;
            } else if (wakes % 101 == 0) {
                wait += 45'000; // now and then the timer fires late, up to most of a minute
            }
            clock.advanceMs(wait);
            timer.fire();
        }

        // Each day has Fexhri, Dhuhri, Asri, Magribi at their shifted minutes
        // with their recordings; Isha at 23:58 + 5 sounds at 00:03 of the
        // next day, against the previous day's time (the run starts at 01:00).
        for (QDate d(2024, 1, 1); d.year() == 2024; d = d.addDays(1)) {
            const QTime dhuhri = dhuhriOf(d).addSecs(5 * 60); // its own day's time
            QCOMPARE(starts.value({d, 1}),
                     skipsFexhri(d) ? QStringList() : QStringList{"04:35 dawn"});
            QCOMPARE(starts.value({d, 3}), QStringList{dhuhri.toString("HH:mm ") + "daily"});
            QCOMPARE(starts.value({d, 4}), QStringList{"15:35 daily"});
            QCOMPARE(starts.value({d, 5}), QStringList{"18:05 daily"});
            QCOMPARE(starts.value({d.addDays(1), 6}), QStringList{"00:03 daily"});
        }
        QCOMPARE(player.started.size(), 366 * 5 - 366 / 7); // Imsaku and sunrise start nothing
        // Each adhan got ready in the minute before, unless the clock was set
        // over that minute (Fexhri) or into the adhan's (Magribi).
        QCOMPARE(player.prepared.count("dawn"), 366 - 366 / 7);
        QCOMPARE(player.prepared.count("daily"), 3 * 366);
        // It wakes at most every longest wait, and for the events.
        QVERIFY(wakes <= 367 * 86'400 / (ClockTimer::longestWaitMs / 1000) + 366 * 20);
    }

    // The real player: a file that is no audio, or no file at all, leaves it
    // not playing, without a dialog, so the next adhan can start; a recording
    // plays whole at the volume set (rising to it when it fades in), also when
    // its preparation's time runs out.
    void realPlayer_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file
        QTest::newRow("not audio") << QByteArray(64 * 1024, '\x42');
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("tone of the sound server") << QByteArray("tone");
        QTest::newRow("tone, fading in") << QByteArray("tone fading in");
    }
    void realPlayer()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const bool tone = content.startsWith("tone");
        const bool fading = content.endsWith("fading in");
        const QString path = tone ? qEnvironmentVariable("KOLVIRA_TONE")
                                  : dir.filePath(QStringLiteral("Ezani i sabahut në Medine.mp3"));
        if (path.isEmpty())
            QSKIP("no sound server (tests/ui/with-sound-server.sh)");
        QVERIFY(tone || content.isEmpty() || writeFile(path, content));
        QtMediaPlayer real;
        real.setVolume(30);
        real.setFadeIn(fading);
        qint64 reached = 0;
        connect(&real, &QtMediaPlayer::positionChanged, [&](qint64 ms) { reached = ms; });
        real.prepare(path); // silent
        QCOMPARE(real.playState(), 1);
        real.setURL(path);
        if (tone) {
            QTRY_VERIFY(real.status().contains(QLatin1String("Playing")));
            const QAudioOutput *output = real.findChild<QAudioOutput *>();
            const float first = output->volume();
            if (fading) // it rises from near silence
                QVERIFY(first < 0.3f);
            else
                QCOMPARE(first, 0.3f);
            QTRY_VERIFY(!fading || output->volume() > first);
            QMetaObject::invokeMethod(real.findChild<QTimer *>("keepPrepared"), "timeout");
            QVERIFY(real.status().contains(QLatin1String("Playing")));
        }
        QTRY_VERIFY_WITH_TIMEOUT(real.playState() != MediaPlayer::playing, 15000);
        QVERIFY(!real.status().contains(QLatin1String("Playing")));
        QVERIFY(!tone || reached >= 2500);                          // of the tone's three seconds
        QTRY_VERIFY(real.findChildren<QMediaPlayer *>().isEmpty()); // no pipeline kept
        if (tone)
            return;
        real.setURL(path); // tried again at the next adhan
        QTRY_VERIFY_WITH_TIMEOUT(real.playState() != MediaPlayer::playing, 15000);
    }

private:
    void activate(const QString &offset, const DayTimes::Texts &t = times())
    {
        dayTimes = t;
        scheduler->setOffsetText(offset);
        scheduler->setTimes(QDate(2026, 12, 6), t);
    }

    FakeMediaPlayer player;
    std::unique_ptr<AdhanScheduler> scheduler;
    QList<QDate> loads;
    DayTimes::Texts dayTimes;
};

QTEST_GUILESS_MAIN(TestAdhanScheduler)
#include "TestAdhanScheduler.moc"
