#include "calendar/CalendarService.h"
#include "support/FakeClock.h"
#include "support/FatalRecorder.h"
#include "support/WindowLookup.h"
#include "ui/FrmDitelindja.h"

#include <QDateEdit>
#include <QTest>

// Expected texts were worked out apart from the program, from the month
// lengths in calendar/hijri-months.tsv: 6 December 2026 is 27 Xhumadeth-Thani
// 1448, a year whose Dhul-Ka'de has 29 days.
class TestFrmDitelindja : public QObject
{
    Q_OBJECT

private:
    FatalRecorder fatals;

    static QDateEdit *picker(const QWidget &window)
    {
        return window.findChild<QDateEdit *>(QStringLiteral("DTPicker1"));
    }

private Q_SLOTS:
    void cleanup()
    {
        fatals.expectNone();
        QCOMPARE(CalendarService::selector(), CalendarService::Gregorian);
    }

    void pickingADateConverts_data()
    {
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<QString>("age");
        QTest::addColumn<QString>("birthdayThisYear");
        QTest::addColumn<QString>("shortHijri");

        const auto row = [](const char *name, QDate birth, const char *age, const char *birthday,
                            const char *shortHijri) {
            QTest::newRow(name) << birth << age << birthday << shortHijri;
        };
        row("born today", QDate(2026, 12, 6), "0 vite, 0 muaj dhe 0 ditë",
            "E diel, 06 Dhjetor (12), 2026", "27.06.1448");
        row("birth month later in the Hijri year", QDate(1998, 2, 21),
            "30 vite, -4 muaj dhe 3 ditë", "E enjte, 01 Prill (04), 2027", "24.10.1418");
        row("born later this Hijri year", QDate(2027, 2, 7), "0 vite, -2 muaj dhe -3 ditë",
            "E diel, 07 Shkurt (02), 2027", "30.08.1448");
        row("born in the next Hijri year", QDate(2027, 7, 31), "-1 vite, 4 muaj dhe 0 ditë",
            "E hënë, 10 Gusht (08), 2026", "27.02.1449");
        row("today's Hijri day and month, earlier year", QDate(1980, 5, 12),
            "48 vite, 0 muaj dhe 0 ditë", "E diel, 06 Dhjetor (12), 2026", "27.06.1400");
        // Born on 30 Dhul-Ka'de 1447; this year the month ends on the 29th.
        row("30th of a month with 29 days this year", QDate(2026, 5, 17),
            "1 vite, -5 muaj dhe -3 ditë", "E enjte, 06 Maj (05), 2027", "30.11.1447");
    }
    void pickingADateConverts()
    {
        QFETCH(QDate, birth);
        QFETCH(QString, age);
        QFETCH(QString, birthdayThisYear);
        QFETCH(QString, shortHijri);

        // Late in the day, so that only the date of "now" may count.
        const FakeClock clock(QDateTime(QDate(2026, 12, 6), QTime(23, 59, 59)));
        FrmDitelindja window(clock);
        picker(window)->setDate(birth);

        QCOMPARE(labelText(window, "LblMoshaSipasH"), age);
        QCOMPARE(labelText(window, "LblDitelindjaSivjet"), birthdayThisYear);
        QCOMPARE(labelText(window, "LblHixhriThjesht"), shortHijri);
        // The long Hijri text names the same day as the short one.
        const QStringList parts = shortHijri.split(QLatin1Char('.'));
        QVERIFY2(labelText(window, "LblDatSipasH")
                     .endsWith(QStringLiteral(" (%1), %2").arg(parts[1], parts[2])),
                 qPrintable(labelText(window, "LblDatSipasH")));
        QVERIFY(labelText(window, "LblDatSipasH").contains(QStringLiteral(", %1 ").arg(parts[0])));
    }
};

QTEST_MAIN(TestFrmDitelindja)
#include "TestFrmDitelindja.moc"
