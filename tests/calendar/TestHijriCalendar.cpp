#include "calendar/CalendarService.h"
#include "calendar/HijriCalendar.h"
#include "calendar/SelectorGuard.h"

#include <QCalendar>
#include <QTest>

// The tabular calendar with the astronomical epoch runs one day ahead of Qt's
// civil Islamic calendar (same leap years, Friday epoch): the day before a
// civil date carries the same numbers. Qt's arithmetic serves as the oracle.
static HijriDate civilOracle(const QDate &date)
{
    static const QCalendar civil(QCalendar::System::IslamicCivil);
    const QCalendar::YearMonthDay p = civil.partsFromDate(date.addDays(1));
    return HijriDate{p.year, p.month, p.day};
}

static bool operator==(const HijriDate &a, const HijriDate &b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

static char *toString(const HijriDate &h)
{
    return QTest::toString(QStringLiteral("%1-%2-%3").arg(h.year).arg(h.month).arg(h.day));
}

class TestHijriCalendar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void knownDays_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        // 15 July 622 (Julian), a Thursday, is the first day.
        QTest::newRow("epoch") << QDate::fromJulianDay(1948439) << 1 << 1 << 1;
        QTest::newRow("saturday 14 june 1975") << QDate(1975, 6, 14) << 1395 << 6 << 5;
        QTest::newRow("picker first day") << QDate(1601, 1, 1) << 1009 << 6 << 26;
        QTest::newRow("picker last day") << QDate(9999, 12, 31) << 9666 << 4 << 3;
    }
    void knownDays()
    {
        QFETCH(QDate, date);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        HijriCalendar &hijri = HijriCalendar::forThisThread();
        const HijriDate expected{year, month, day};
        QCOMPARE(hijri.fromDate(date), expected);
        QCOMPARE(civilOracle(date), expected);
        QCOMPARE(hijri.toDate(expected), date);
    }

    // Every day of whole Gregorian years, to Hijri and back, also by way of
    // the Hijri date text: leap years of both calendars among them (Gregorian
    // 1976, 2000, 2024; Hijri 1396, 1420, 1445) and the ten years at each end
    // of the date picker's range.
    void everyDayMatchesOracleAndRoundTrips_data()
    {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::newRow("1601-1610") << QDate(1601, 1, 1) << QDate(1610, 12, 31);
        QTest::newRow("1975-1977") << QDate(1975, 1, 1) << QDate(1977, 12, 31);
        QTest::newRow("1999-2001") << QDate(1999, 1, 1) << QDate(2001, 12, 31);
        QTest::newRow("2023-2025") << QDate(2023, 1, 1) << QDate(2025, 12, 31);
        QTest::newRow("9990-9999") << QDate(9990, 1, 1) << QDate(9999, 12, 31);
    }
    void everyDayMatchesOracleAndRoundTrips()
    {
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        HijriCalendar &hijri = HijriCalendar::forThisThread();
        const SelectorGuard hijriSelected(CalendarService::Hijri);
        HijriDate previous = hijri.fromDate(first.addDays(-1));
        for (QDate d = first; d <= last; d = d.addDays(1)) {
            const HijriDate h = hijri.fromDate(d);
            QCOMPARE(h, civilOracle(d));
            QCOMPARE(hijri.toDate(h), d);
            QCOMPARE(CalendarService::readDateText(CalendarService::shortDateText(d)), d);
            // Consecutive days: the next day of the month, or the first of the
            // next month after the last day of this one (so month lengths are
            // checked too).
            const bool nextDay =
                h.year == previous.year && h.month == previous.month && h.day == previous.day + 1;
            const bool nextMonth =
                h.day == 1 && previous.day == hijri.monthLength(previous.year, previous.month);
            QVERIFY2(nextDay || nextMonth, toString(h));
            previous = h;
        }
    }

    void rejectsDaysOutsideItsSpan()
    {
        HijriCalendar &hijri = HijriCalendar::forThisThread();
        QVERIFY_THROWS_EXCEPTION(CalendarError, hijri.toDate(HijriDate{1395, 2, 30}));
        QVERIFY_THROWS_EXCEPTION(CalendarError, hijri.toDate(HijriDate{1395, 13, 1}));
        QVERIFY_THROWS_EXCEPTION(CalendarError, hijri.toDate(HijriDate{10000, 1, 1}));
        QVERIFY_THROWS_EXCEPTION(CalendarError, hijri.fromDate(QDate::fromJulianDay(1948438)));
        QVERIFY_THROWS_EXCEPTION(CalendarError, hijri.fromDate(QDate()));
        const QDate lastDay = hijri.toDate(HijriDate{9999, 12, 29});
        QVERIFY_THROWS_EXCEPTION(CalendarError, hijri.fromDate(lastDay.addDays(1)));
    }
};

QTEST_GUILESS_MAIN(TestHijriCalendar)
#include "TestHijriCalendar.moc"
