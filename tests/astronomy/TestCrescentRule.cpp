#include "astronomy/CrescentRule.h"
#include "astronomy/DeltaT.h"
#include "astronomy/Mjd.h"
#include "astronomy/MoonSun.h"
#include "calendar/OfficialHijriDates.h"

#include <QDateTime>
#include <QTest>
#include <QTimeZone>

class TestCrescentRule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Published new moons, to the minute (the first in TT, from Meeus'
    // Astronomical Algorithms, example 49.a).
    void conjunctions_data()
    {
        QTest::addColumn<QDateTime>("instant");
        QTest::addColumn<bool>("terrestrialTime");
        const auto utc = [](int y, int mo, int d, int h, int mi, int s = 0) {
            return QDateTime(QDate(y, mo, d), QTime(h, mi, s), QTimeZone::utc());
        };
        QTest::newRow("1977-02-18") << utc(1977, 2, 18, 3, 37, 42) << true;
        QTest::newRow("2000-01-06") << utc(2000, 1, 6, 18, 14) << false;
        QTest::newRow("2017-08-21 eclipse") << utc(2017, 8, 21, 18, 30) << false;
        QTest::newRow("2024-04-08 eclipse") << utc(2024, 4, 8, 18, 21) << false;
    }
    void conjunctions()
    {
        QFETCH(QDateTime, instant);
        QFETCH(bool, terrestrialTime);
        const double expected =
            Mjd::fromDate(instant.date()) + instant.time().msecsSinceStartOfDay() / 86400000.0;
        double found = MoonSun::conjunctionNear(expected + 3);
        if (terrestrialTime)
            found = DeltaT::toTt(found);
        QVERIFY2(std::abs(found - expected) * 1440 < 1,
                 qPrintable(Mjd::toSecond(found).toString(Qt::ISODate)));
    }

    // The rule alone, without the published dates that correct it, against
    // every published date; the misses are printed.
    void agreesWithPublishedDates()
    {
        const auto published =
            readOfficialHijriDates(QStringLiteral(KOLVIRA_PUBLISHED_HIJRI_DATES));
        QVERIFY(published.size() >= 100);
        int agreeing = 0;
        for (const OfficialHijriDate &date : published) {
            const QDate computed = CrescentRule::firstDay(12 * (date.year - 1) + date.month - 1);
            const qint64 late = date.monthStart().daysTo(computed);
            if (late == 0)
                ++agreeing;
            else
                qInfo("%s %d/%d/%d %s: the rule's month begins %lld day(s) %s",
                      qPrintable(date.gregorian.toString(Qt::ISODate)), date.year, date.month,
                      date.day, qPrintable(date.event), std::abs(late),
                      late > 0 ? "later" : "earlier");
        }
        const double share = 100.0 * agreeing / double(published.size());
        qInfo("the rule gives %d of %d published dates (%.1f %%)", agreeing, int(published.size()),
              share);
        QVERIFY(share >= 98);
    }
};

QTEST_GUILESS_MAIN(TestCrescentRule)
#include "TestCrescentRule.moc"
