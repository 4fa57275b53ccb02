#include "prayer/IcsCalendar.h"
#include "print/TimetablePrint.h"
#include "support/BuiltCalendar.h"
#include "support/FakeClock.h"
#include "ui/FrmTakvimiMuajit.h"

#include <QTableWidget>
#include <QTest>

// What the month's timetable costs: opening its window (goal: under 100 ms),
// a year's PDF of 12 pages and a year's calendar file (goal: under 1 s each),
// over the built calendar.
class BenchTimetable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void openWindow()
    {
        QBENCHMARK
        {
            FrmTakvimiMuajit window(connection, clock);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QCOMPARE(window.findChild<QTableWidget *>()->rowCount(), 31);
        }
    }

    void yearPdf()
    {
        QByteArray pdf;
        QBENCHMARK
        {
            pdf = TimetablePrint::pdf(
                TimetablePages::year(CityTimetable::selected(connection), 2026));
        }
        QVERIFY(pdf.startsWith("%PDF"));
    }

    void yearIcs()
    {
        QByteArray ics;
        QBENCHMARK
        {
            ics = IcsCalendar::write(
                TimetablePages::year(CityTimetable::selected(connection), 2026), 10, clock.now());
        }
        QCOMPARE(ics.count("BEGIN:VEVENT"), 365 * 5 + 29);
    }

private:
    BuiltCalendar calendar;
    CalendarConnection &connection = calendar.connection;
    FakeClock clock{QDateTime(QDate(2026, 12, 7), QTime(9, 0))};
};

QTEST_MAIN(BenchTimetable)
#include "BenchTimetable.moc"
