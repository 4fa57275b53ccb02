#include "astronomy/HijriMonthComputation.h"
#include "calendar/CalendarService.h"
#include "calendar/HijriCalendar.h"
#include "calendar/SelectorGuard.h"

#include <QCalendar>
#include <QFile>
#include <QTest>

// Qt's civil Islamic calendar has the same arithmetic as the one used beyond
// the computed months, from another first day.
static QDate civilDate(const HijriDate &h)
{
    static const QCalendar calendar(QCalendar::System::IslamicCivil);
    return calendar.dateFromParts(h.year, h.month, h.day);
}

class TestHijriCalendar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The file compiled into the program is what the tool computes today from
    // the rule and the published dates.
    void monthTableIsTheComputation()
    {
        QFile file(QStringLiteral(":/kolvira/hijri-months.tsv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray compiled = file.readAll();
        const HijriMonthTable table = HijriMonthTable::read(compiled);
        const QString list = QStringLiteral(KOLVIRA_PUBLISHED_HIJRI_DATES);
        const auto computed = HijriMonthComputation::compute(table.firstYear, table.lastYear(),
                                                             readOfficialHijriDates(list));
        QCOMPARE(computed.fileText(list.section(QLatin1Char('/'), -1)), compiled);

        const HijriCalendar &hijri = HijriCalendar::instance();
        QVERIFY(hijri.computedFrom() <= QDate(1900, 1, 1));
        QVERIFY(hijri.computedUntil() >= QDate(2100, 12, 31));
    }

    // Every day of the date picker's range, to Hijri and back: consecutive
    // days are the next day of the month or the first of the next month after
    // a month of 29 or 30 days, the next year after month 12. Beyond the
    // computed months the days follow Qt's civil arithmetic at a fixed
    // distance. The first and last days of months also go through the texts.
    void everyDayRoundTrips()
    {
        const HijriCalendar &hijri = HijriCalendar::instance();
        const SelectorGuard hijriSelected(CalendarService::Hijri);
        const QDate first(1601, 1, 1);
        const QDate last(9999, 12, 31);
        HijriDate previous = hijri.fromDate(first.addDays(-1));
        const qint64 shiftBefore = first.daysTo(civilDate(hijri.fromDate(first)));
        const qint64 shiftAfter = last.daysTo(civilDate(hijri.fromDate(last)));
        for (QDate d = first; d <= last; d = d.addDays(1)) {
            const HijriDate h = hijri.fromDate(d);
            const bool nextDay =
                h.year == previous.year && h.month == previous.month && h.day == previous.day + 1;
            const bool nextMonth =
                h.day == 1 && (previous.day == 29 || previous.day == 30) &&
                previous.day == hijri.monthLength(previous.year, previous.month) &&
                (h.month == previous.month + 1 ||
                 (h.month == 1 && previous.month == 12 && h.year == previous.year + 1));
            const bool beyond = d < hijri.computedFrom() || d > hijri.computedUntil();
            const qint64 shift = d < hijri.computedFrom() ? shiftBefore : shiftAfter;
            if (hijri.toDate(h) != d || !(nextDay || nextMonth) ||
                (beyond && civilDate(h) != d.addDays(shift)))
                QFAIL(qPrintable(d.toString(Qt::ISODate)));
            if (h.day == 1 || h.day >= 29)
                QCOMPARE(CalendarService::readDateText(CalendarService::shortDateText(d)), d);
            previous = h;
        }
    }

    void rejectsDaysOutsideItsSpan()
    {
        const HijriCalendar &hijri = HijriCalendar::instance();
        QVERIFY_THROWS_EXCEPTION(CalendarError, hijri.toDate(HijriDate{1395, 1, 30}));
        QVERIFY_THROWS_EXCEPTION(CalendarError, hijri.toDate(HijriDate{1395, 13, 1}));
        QVERIFY_THROWS_EXCEPTION(CalendarError, hijri.toDate(HijriDate{10000, 1, 1}));
        QVERIFY_THROWS_EXCEPTION(CalendarError, hijri.fromDate(QDate()));
        const QDate firstDay = hijri.toDate(HijriDate{1, 1, 1});
        // The community's correction moves both ways alike, so a date goes
        // and comes back under each.
        for (const int days : {1, -2, 0}) {
            HijriCalendar::setAdjustmentDays(days);
            QCOMPARE(hijri.toDate(hijri.fromDate(firstDay.addDays(2))), firstDay.addDays(2));
        }
        QVERIFY_THROWS_EXCEPTION(CalendarError, hijri.fromDate(firstDay.addDays(-1)));
        const QDate lastDay = hijri.toDate(HijriDate{9999, 12, hijri.monthLength(9999, 12)});
        QVERIFY_THROWS_EXCEPTION(CalendarError, hijri.fromDate(lastDay.addDays(1)));
    }
};

QTEST_GUILESS_MAIN(TestHijriCalendar)
#include "TestHijriCalendar.moc"
