#include "astronomy/CityList.h"
#include "astronomy/CityNames.h"
#include "support/TsvRows.h"
#include "ui/FrmKerkoVendin.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

// The search window driven from the keyboard, as a user picks a place.
class TestFrmKerkoVendin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { world = WorldPlaces::load(); }

    // Typed key by key, Down into the list, the Asr's shadow, Enter: the
    // choice is the own city (its method fixed) or the world's place.
    void picksByKeyboard_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("downs");
        QTest::addColumn<int>("asrIndex");
        QTest::addColumn<int>("cityKey"); // 0: a world's place
        QTest::addColumn<QString>("place");
        QTest::newRow("diaspora") << "Cyrih" << 1 << 0 << 0 << "Cyrih";
        QTest::newRow("Hanafi") << "Nju Jork" << 1 << 1 << 0 << "Nju Jork";
        QTest::newRow("own city first") << "prisht" << 1 << 0 << 7 << "";
        QTest::newRow("world after own") << "prisht" << 2 << 0 << 0 << "Prishtinë";
        QTest::newRow("own, folded") << "FERIZAJ" << 0 << 0 << 9 << "";
        // A whole name of the world before the start of an own city's name.
        QTest::newRow("whole name first") << "Bern" << 1 << 0 << 0 << "Bernë";
        QTest::newRow("own name's start next") << "Bern" << 2 << 0 << 11 << "";
    }
    void picksByKeyboard()
    {
        QFETCH(QString, typed);
        QFETCH(int, downs);
        QFETCH(int, asrIndex);
        QFETCH(int, cityKey);
        QFETCH(QString, place);
        FrmKerkoVendin window(world,
                              {{QStringLiteral("Prishtinë (Kosovë) — takvimi i BIK-ut"), 7},
                               {QStringLiteral("Ferizaj"), 9},
                               {QStringLiteral("Bern-Bümpliz"), 11}},
                              {{QStringLiteral("MWL"), QStringLiteral("Lidhja Botërore Myslimane")},
                               {QStringLiteral("ISNA"), QStringLiteral("ISNA")}},
                              {{QStringLiteral("angle"), QStringLiteral("Sipas këndit")}});
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        for (QChar c : typed)
            QTest::keyClicks(QApplication::focusWidget(), QString(c));
        for (int i = 0; i < downs; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        auto *asr = window.findChildren<QComboBox *>().at(2);
        QCOMPARE(asr->accessibleName(), QStringLiteral("Asri"));
        QCOMPARE(asr->isEnabled(), cityKey == 0);
        asr->setCurrentIndex(asrIndex);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(window.chosenCityKey().value_or(0), cityKey);
        QCOMPARE(window.chosenPlace().value_or(WorldPlace{}).name, place);
        QCOMPARE(window.method(), QStringLiteral("MWL"));
        QCOMPARE(window.highLatitude(), QString());
        QCOMPARE(window.asrShadow(), asrIndex + 1);
    }

    // Every name people write for a town of the list finds that town first,
    // with its community's calendar, and never a computed twin of it.
    void listTownByItsNames()
    {
        QList<FrmKerkoVendin::OwnCity> own;
        for (const Place &city : CityList::builtIn()) {
            QVERIFY2(!CityNames::of(city.name).isEmpty(), qPrintable(city.name)); // has its names
            own << FrmKerkoVendin::OwnCity{city.name, qint32(own.size() + 1)};
        }
        FrmKerkoVendin window(world, own, {{QStringLiteral("diyanet"), QStringLiteral("Diyaneti")}},
                              {});
        auto *field = window.findChild<QLineEdit *>();
        auto *list = window.findChild<QListWidget *>();
        for (const QStringList &row : TsvRows::read(KOLVIRA_TYPED_TOWNS)) {
            field->setText(row[0]);
            QVERIFY2(list->count() > 0 && list->item(0)->text() == row[1], qPrintable(row[0]));
            for (int i = 1; i < list->count(); ++i)
                QVERIFY2(!list->item(i)->text().startsWith(row[1] + QLatin1Char(' ')),
                         qPrintable(list->item(i)->text()));
        }
    }

private:
    WorldPlaces world;
};

QTEST_MAIN(TestFrmKerkoVendin)
#include "TestFrmKerkoVendin.moc"
