#include "calendar/CalendarService.h"
#include "support/FakeClock.h"
#include "support/FatalRecorder.h"
#include "support/WindowLookup.h"
#include "ui/FrmDitelindja.h"

#include <QDateEdit>
#include <QTest>

// Expected texts were worked out apart from the program, with the arithmetic
// of the tabular Hijri calendar:
// 6 December 2026 is 26 Xhumadeth-Thani 1448, a year of 354 days, whose
// Dhul-Hixhxhe has 29 days.
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

    void eachOpeningStartsFrom14June1975()
    {
        const FakeClock clock(QDateTime(QDate(2026, 12, 6), QTime(12, 0)));
        for (int opening = 1; opening <= 2; ++opening) {
            FrmDitelindja window(clock);
            QDateEdit *dtPicker = picker(window);
            QVERIFY(dtPicker);
            QCOMPARE(dtPicker->date(), QDate(1975, 6, 14));
            QCOMPARE(dtPicker->text(), QStringLiteral("14.06.1975"));
            QCOMPARE(labelText(window, "LblDatSipasH"),
                     QStringLiteral("E shtunë, 05 Xhumadeth-Thani (06), 1395"));
            QCOMPARE(labelText(window, "LblMoshaSipasH"),
                     QStringLiteral("53 vite, 0 muaj dhe 21 ditë"));
            QCOMPARE(labelText(window, "LblDitelindjaSivjet"),
                     QStringLiteral("E diel, 15 Nëntor (11), 2026"));
            QCOMPARE(labelText(window, "LblHixhriThjesht"), QStringLiteral("05.06.1395"));

            // Pick another date and leave; the next opening must not keep it.
            window.show();
            dtPicker->setDate(QDate(2001, 9, 11));
            QCOMPARE(labelText(window, "LblHixhriThjesht"), QStringLiteral("23.06.1422"));
            QTest::mouseClick(pushButton(window, "CmdKthehu"), Qt::LeftButton);
            QVERIFY(!window.isVisible());
            QCOMPARE(window.result(), int(QDialog::Rejected));
        }
    }

    void pickerOffersTheWholeRange()
    {
        const FakeClock clock;
        FrmDitelindja window(clock);
        QDateEdit *dtPicker = picker(window);
        QCOMPARE(dtPicker->minimumDate(), QDate(1601, 1, 1));
        QCOMPARE(dtPicker->maximumDate(), QDate(9999, 12, 31));
        QVERIFY(dtPicker->calendarPopup());

        // Both ends convert without a failure.
        dtPicker->setDate(QDate(1601, 1, 1));
        QCOMPARE(labelText(window, "LblHixhriThjesht").size(), 10);
        dtPicker->setDate(QDate(9999, 12, 31));
        QCOMPARE(labelText(window, "LblHixhriThjesht").size(), 10);
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
            "E diel, 06 Dhjetor (12), 2026", "26.06.1448");
        row("birth month later in the Hijri year", QDate(1998, 2, 21),
            "30 vite, -4 muaj dhe 2 ditë", "E enjte, 01 Prill (04), 2027", "24.10.1418");
        row("born later this Hijri year", QDate(2027, 2, 7), "0 vite, -3 muaj dhe 25 ditë",
            "E diel, 07 Shkurt (02), 2027", "01.09.1448");
        row("born in the next Hijri year", QDate(2027, 7, 31), "-1 vite, 4 muaj dhe -1 ditë",
            "E martë, 11 Gusht (08), 2026", "27.02.1449");
        row("today's Hijri day and month, earlier year", QDate(1980, 5, 11),
            "48 vite, 0 muaj dhe 0 ditë", "E diel, 06 Dhjetor (12), 2026", "26.06.1400");
        // Born on 30 Dhul-Hixhxhe 1447; this year the month ends on the 29th.
        row("30th of a month with 29 days this year", QDate(2026, 6, 15),
            "1 vite, -6 muaj dhe -4 ditë", "E xhuma, 04 Qershor (06), 2027", "30.12.1447");
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

    void bannerSpansTheWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("as designed") << 498;
        QTest::newRow("wider") << 900;
        QTest::newRow("narrower") << 240;
    }
    void bannerSpansTheWidth()
    {
        QFETCH(int, width);
        const FakeClock clock;
        FrmDitelindja window(clock);
        auto *banner = window.findChild<QWidget *>(QStringLiteral("Picture1"));
        QVERIFY(banner);
        QCOMPARE(banner->x(), 56); // as designed, until the window is first sized
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(width, window.height());
        QTRY_COMPARE(window.width(), width);

        QCOMPARE(banner->pos(), QPoint(0, 0));
        QCOMPARE(banner->height(), 57);
        // 200 twips past the outer width.
        QCOMPARE(banner->width(), window.frameGeometry().width() + 13);
        QVERIFY(banner->isVisible());
    }
};

QTEST_MAIN(TestFrmDitelindja)
#include "TestFrmDitelindja.moc"
