#include "support/BuiltCalendar.h"
#include "support/FakeClock.h"
#include "support/PrintedTakvim.h"
#include "ui/FrmTakvimiMuajit.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

// The printed calendar's column of each time column, by the column's name.
const QHash<QString, int> printedColumn = {
    {"Imsaku", 0},           {"Syfyri (imsaku)", 0},  {"Fexhri", 1},
    {"Lindja e diellit", 2}, {"Dhuhri", 3},           {"Asri", 4},
    {"Magribi", 5},          {"Iftari (Magribi)", 5}, {"Isha", 6}};

} // namespace

// The month window over the built calendar, Prishtinë selected (-1 minute),
// on 10 February 2026.
class TestFrmTakvimiMuajit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every time is the printed calendar's less a minute, with its summer
    // time; the Hijri date turns to Ramadan on 19 February; today stands out.
    void showsTheCitysTimesDayByDay_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<QString>("timeColumns");
        QTest::addColumn<QString>("note");
        QTest::newRow("February 2026, as opened")
            << QString() << QDate(2026, 2, 1) << QDate(2026, 2, 28)
            << "Imsaku|Fexhri|Lindja e diellit|Dhuhri|Asri|Magribi|Isha" << QString();
        // The Bajram prayer: the printed sunrise 05:33 of 20 March, + 45, -1.
        QTest::newRow("Ramadan 1447")
            << "Ramazani" << QDate(2026, 2, 19) << QDate(2026, 3, 19)
            << "Syfyri (imsaku)|Iftari (Magribi)|Fexhri|Lindja e diellit|Dhuhri|Asri|Isha"
            << "Namazi i Bajramit të Fitrit: E xhuma, 20 Mars 2026, ora 06:17";
    }
    void showsTheCitysTimesDayByDay()
    {
        QFETCH(QString, button);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        FrmTakvimiMuajit window(connection, clock);
        for (QPushButton *b : window.findChildren<QPushButton *>())
            if (b->text() == button)
                b->click();
        const auto *table = window.findChild<QTableWidget *>(QStringLiteral("TblTakvimi"));
        QCOMPARE(table->rowCount(), first.daysTo(last) + 1);
        QStringList headers;
        for (int c = 0; c < table->columnCount(); ++c)
            headers << table->horizontalHeaderItem(c)->text();
        QTEST(headers.mid(3).join(QLatin1Char('|')), "timeColumns");
        QTEST(window.findChild<QLabel *>(QStringLiteral("LblGjendja"))->text(), "note");
        const QHash<int, Minutes> printed = printed2026(KOLVIRA_PRINTED_TAKVIM);
        for (int r = 0; r < table->rowCount(); ++r) {
            const QDate date = first.addDays(r);
            QCOMPARE(table->item(r, 0)->text(), date.toString(QStringLiteral("dd.MM.yyyy")));
            QCOMPARE(table->item(r, 0)->font().bold(), date == clock.now().date());
            for (int c = 3; c < headers.size(); ++c) {
                const int minute = printed[date.month() * 100 + date.day()]
                                          [std::size_t(printedColumn[headers[c]])] -
                                   1;
                const QString time =
                    QTime(minute / 60, minute % 60).toString(QStringLiteral("HH:mm"));
                QCOMPARE(table->item(r, c)->text(), time);
                QCOMPARE(table->item(r, c)->data(Qt::AccessibleTextRole).toString(),
                         headers[c] + QStringLiteral(": ") + time);
            }
        }
        const int ramadanBegins = int(first.daysTo(QDate(2026, 2, 19)));
        QCOMPARE(table->item(ramadanBegins, 1)->text(), QStringLiteral("E enjte"));
        // The row names the holy day it is.
        QCOMPARE(table->item(ramadanBegins, 2)->text(),
                 QStringLiteral("1 Ramadan \u00B7 Fillimi i Ramazanit"));
    }

private:
    BuiltCalendar calendar;
    CalendarConnection &connection = calendar.connection;
    FakeClock clock{QDateTime(QDate(2026, 2, 10), QTime(9, 0))};
};

QTEST_MAIN(TestFrmTakvimiMuajit)
#include "TestFrmTakvimiMuajit.moc"
