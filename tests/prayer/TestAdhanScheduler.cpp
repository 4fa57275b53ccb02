#include "calendar/ClockInZone.h"
#include "data/SelectedCity.h"
#include "prayer/AdhanScheduler.h"
#include "prayer/CalendarYear.h"
#include "prayer/CityRows.h"
#include "prayer/CityStore.h"
#include "prayer/PlaceOfZone.h"
#include "prayer/QtMediaPlayer.h"
#include "support/BuiltCalendar.h"
#include "support/FakeClock.h"
#include "support/FakeMediaPlayer.h"
#include "support/FileBytes.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QTimer>
#include <algorithm>
#include <ctime>

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

    // A year and a day in fast-forward from 31 December 2027: two New Years'
    // renewals of the rows, a leap day, both summer-time changes of the place
    // and of the computer, whose own zone is another. The scheduler wakes only
    // at its events; the machine sleeps a minute to ten hours at random
    // moments (fixed seed), and the clock is set back five minutes just after
    // each Asri. Every adhan sounds once, at its minute, or is passed over by
    // a sleep and told at the wake, which names the latest time passed; a
    // minute before each adhan the countdown has one minute left.
    void yearInFastForward_data()
    {
        QTest::addColumn<QString>("place"); // a city of the list, or "name lat lon zone method"
        QTest::addColumn<QByteArray>("computer");
        QTest::newRow("Prizren, computer on UTC") << "Prizren" << QByteArray("UTC");
        QTest::newRow("Sydney, computer in New York")
            << "Sidnej -33.8679 151.2073 Australia/Sydney mwl" << QByteArray("America/New_York");
    }
    void yearInFastForward()
    {
        QFETCH(QString, place);
        QFETCH(QByteArray, computer);
        const QByteArray tz = qgetenv("TZ");
        qputenv("TZ", computer);
        tzset();
        BuiltCalendar built;
        const QSqlDatabase db = built.connection.database();
        const QStringList f = place.split(' ');
        CityStore store(built.connection);
        if (f.size() == 1)
            store.store(SelectedCity::named(db, place)->key);
        else
            store.addPlace(f[0], {f[1].toDouble(), f[2].toDouble(), f[3], {}, f[4], {}, 1});
        const QTimeZone zone(CityRows::ofSelected(db).timeZone(db).toUtf8());
        const int offset = SelectedCity::read(db)->minutes;
        CalendarYear year(built.connection);
        const auto load = [&](const QDate &d) { return year.timesOf(d); };
        scheduler = std::make_unique<AdhanScheduler>(player, "dawn", "daily", load);
        FakeClock computerClock(QDateTime(QDate(2027, 12, 31), QTime(6, 0), QTimeZone::utc()));
        ClockInZone clock(computerClock);
        clock.setZone(zone.id());
        scheduler->setOffsetText(QString::number(offset));
        scheduler->setTimes(clock.now().date(), load(clock.now().date()));

        QRandomGenerator random(37);
        QList<std::tuple<QDateTime, QDateTime, int>> heard; // from, to, index; from == to: sounded
        qint64 wakes = 0;
        qint64 disturbances = 0;
        QDateTime last = clock.now();
        const QDateTime end(QDate(2029, 1, 1), QTime(6, 0), QTimeZone::utc());
        while (computerClock.now() < end) {
            const QDateTime now = clock.now();
            const qsizetype prepared = player.prepared.size();
            ++wakes;
            player.playing = false;
            const AdhanScheduler::Tick tick = scheduler->tick(now);
            if (const AdhanScheduler::Upcoming next = scheduler->nextPrayer(now);
                player.prepared.size() > prepared && !next.ramadan)
                QCOMPARE((now.msecsTo(next.moment) + 59'999) / 60'000, 1);
            if (tick.start != Start::None)
                heard << std::tuple{now, now, tick.prayerIndex};
            if (tick.missedIndex >= 0)
                heard << std::tuple{last, now, tick.missedIndex};
            last = now;
            QDateTime next = scheduler->nextEvent(now);
            if (tick.prayerIndex == DayTimes::Asri) {
                next = now.addSecs(-5 * 60);
                ++disturbances;
            } else if (random.bounded(30) == 0) {
                next = now.addMSecs(random.bounded(now.msecsTo(next))) // it goes to sleep
                           .addSecs(60 + random.bounded(10 * 3600 - 60));
                ++disturbances;
            }
            computerClock.set(next);
        }

        // Each adhan of the run, in order: sounded at its minute, or told at
        // the first wake after it, with the latest passed over.
        QList<QPair<QDateTime, int>> adhans;
        for (QDate d(2027, 12, 30); d < QDate(2029, 1, 2); d = d.addDays(1)) {
            const DayTimes::Texts texts = load(d);
            for (int i : UserSettings::adhanTimes) {
                const QDateTime at =
                    QDateTime(d, QTime::fromString(texts[std::size_t(i)], "HH:mm"), zone)
                        .addSecs(offset * 60);
                if (at > QDateTime(QDate(2027, 12, 31), QTime(6, 0), QTimeZone::utc()) && at < end)
                    adhans << qMakePair(at, i);
            }
        }
        std::ranges::sort(adhans);
        QVERIFY(adhans.size() > 366 * 5);
        qsizetype n = 0;
        for (const auto &[from, to, index] : heard) {
            if (from == to) {
                const qint64 late = n < adhans.size() ? adhans[n].first.secsTo(to) : -1;
                QVERIFY2(late >= 0 && late < 60 && adhans[n].second == index,
                         qPrintable(to.toString(Qt::ISODate)));
                ++n;
                continue;
            }
            const qsizetype first = n;
            while (n < adhans.size() && adhans[n].first < to)
                ++n;
            QVERIFY2(n > first && adhans[n - 1].second == index && adhans[first].first >= from,
                     qPrintable(to.toString(Qt::ISODate)));
        }
        QCOMPARE(n, adhans.size());
        // Two wakes for each adhan (getting ready, the start), one for the
        // day's change, one after each sleep or clock set.
        QVERIFY(wakes <= 367 * 11 + 2 * disturbances);
        qputenv("TZ", tz);
        tzset();
    }

    // The first start's proposal from the computer's zone: the list's own
    // city first, else the world's place the zone is named after; none for
    // the selected city's zone or a zone named after no place.
    void placeOfZone_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Kosovo's") << QByteArray("Europe/Belgrade") << "";
        QTest::newRow("UTC") << QByteArray("Etc/UTC") << "";
        QTest::newRow("Albania's") << QByteArray("Europe/Tirane") << "Tiranë of the list";
        QTest::newRow("North Macedonia's") << QByteArray("Europe/Skopje") << "Shkup of the list";
        QTest::newRow("Zürich") << QByteArray("Europe/Zurich") << "Cyrih of the world";
        QTest::newRow("New York") << QByteArray("America/New_York") << "Nju Jork of the world";
    }
    void placeOfZone()
    {
        QFETCH(QByteArray, zone);
        BuiltCalendar built;
        const auto found = PlaceOfZone::find(built.connection.database(), zone,
                                             [] { return WorldPlaces::load(); });
        QTEST(found ? found->name + (found->cityKey ? " of the list" : " of the world") : "",
              "expected");
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
