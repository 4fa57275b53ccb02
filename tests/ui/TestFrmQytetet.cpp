#include "data/CalendarConnection.h"
#include "support/FatalRecorder.h"
#include "support/FixtureDatabase.h"
#include "support/WindowLookup.h"
#include "ui/CityComboBox.h"
#include "ui/FrmQytetet.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

class TestFrmQytetet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        db = std::make_unique<FixtureDatabase>();
        // Not in alphabetical order, and the selected city's name begins a
        // later city's name.
        db->addCity({1, QStringLiteral("Gjakovë"), 0, true});
        db->addCity({2, QStringLiteral("Pejë"), -2, false});
        db->addCity({3, QStringLiteral("Gjakovë e Vogël"), 3, false});
        db->addCity({4, QStringLiteral("Prizren"), -1, false});
        connection.open(db->connectionText());
    }
    void cleanup()
    {
        window.reset();
        shown.reset();
        warnings.clear();
        connection.close();
        db.reset();
        fatals.expectNone();
    }

    // The caption is the main window's city; typing then selects the first
    // entry that begins with the text.
    void preselectedAndTypedCity_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("minutes");
        const auto row = [](const char *name, const char *caption, const char *typed,
                            const char *selected, const char *minutes) {
            QTest::newRow(name) << caption << typed << selected << minutes;
        };
        row("exact match in the first entry loses to a later beginning", "Gjakovë", "",
            "Gjakovë e Vogël", "3");
        row("other letter case", "pEJË", "", "Pejë", "-2");
        row("beginning of a name", "priz", "", "Prizren", "-1");
        row("no city begins with it", "Tetovë", "", "", "");
        row("typed: first entry first", "Prizren", "gj", "Gjakovë", "0");
        row("typed: longer beginning", "Prizren", "GJAKOVË ", "Gjakovë e Vogël", "3");
    }
    void preselectedAndTypedCity()
    {
        QFETCH(QString, caption);
        QFETCH(QString, typed);
        QFETCH(QString, selected);
        open(caption);
        QStringList entries;
        for (int i = 0; i < combo()->listCount(); ++i)
            entries << combo()->itemText(i) + ' ' + QString::number(combo()->itemData(i));
        QCOMPARE(entries, QStringList({"Gjakovë 1", "Pejë 2", "Gjakovë e Vogël 3", "Prizren 4"}));
        if (!typed.isEmpty()) {
            edit()->clear();
            type(typed);
        }
        QCOMPARE(combo()->listIndex() < 0 ? QString() : combo()->itemText(combo()->listIndex()),
                 selected);
        QCOMPARE(edit()->text(), typed.isEmpty() ? selected : typed);
        QTEST(labelText(*window, "LblMinuta"), "minutes");
    }

    // The ways out that no end-to-end test takes, after the selection moved
    // to Prizren: what is stored, and whether the main window is asked back.
    void endingTheWindow_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("mainWindowShown");
        QTest::addColumn<int>("flagged");
        QTest::newRow("double-click") << int(QDialog::Accepted) << 1 << 4;
        QTest::newRow("close box") << int(QDialog::Rejected) << 0 << 1;
    }
    void endingTheWindow()
    {
        QFETCH(int, flagged);
        open(QStringLiteral("Gjakovë"));
        const bool doubleClick = QTest::currentDataTag() == QLatin1String("double-click");
        clickEntry(3, doubleClick);
        if (!doubleClick)
            window->close();
        QVERIFY(!window->isVisible());
        QTEST(window->result(), "result");
        QTEST(int(shown->count()), "mainWindowShown");
        QCOMPARE(warnings, QStringList());
        QCOMPARE(db->selectedCityIds(), QList<int>{flagged});
    }

    // Besides a name that matches no city: the city table emptied before the
    // window loads, and the picked entry's city removed after.
    void activationWithoutAValidEntryWritesNothing_data()
    {
        QTest::addColumn<QString>("removedBeforeLoad");
        QTest::addColumn<QString>("removedAfterLoad");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QList<int>>("flagged");
        QTest::newRow("no city in the table") << "1, 2, 3, 4"
                                              << ""
                                              << "Zgjidhni një qytet nga lista." << QList<int>{};
        QTest::newRow("entry's city removed meanwhile")
            << ""
            << "3"
            << "Qyteti i zgjedhur nuk gjendet më" << QList<int>{1};
    }
    void activationWithoutAValidEntryWritesNothing()
    {
        QFETCH(QString, removedBeforeLoad);
        QFETCH(QString, removedAfterLoad);
        QFETCH(QString, warning);
        const QString remove = QStringLiteral("DELETE FROM Qytetet WHERE IDQyteti IN (%1)");
        db->exec(remove.arg(removedBeforeLoad));
        open(QStringLiteral("Gjakovë"));
        db->exec(remove.arg(removedAfterLoad));
        QTest::mouseClick(window->findChild<QPushButton *>("CmdAktivoje"), Qt::LeftButton);
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings.first().startsWith(warning), qPrintable(warnings.first()));
        QVERIFY(window->isVisible());
        QCOMPARE(shown->count(), 0);
        QTEST(db->selectedCityIds(), "flagged");
    }

private:
    void open(const QString &caption)
    {
        window = std::make_unique<FrmQytetet>(caption, connection);
        window->setWarning([this](const QString &text) { warnings << text; });
        shown = std::make_unique<QSignalSpy>(window.get(), &FrmQytetet::showMainWindowRequested);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    // Types into the edit field, letters beyond ASCII included.
    void type(const QString &text)
    {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, edit(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    CityComboBox *combo() const
    {
        return window->findChild<CityComboBox *>(QStringLiteral("CmbQyteti"));
    }
    QLineEdit *edit() const { return combo()->findChild<QLineEdit *>(); }
    void clickEntry(int row, bool twice = false)
    {
        auto *list = combo()->findChild<QListWidget *>();
        list->scrollToItem(list->item(row));
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        if (twice) { // the second press of a double-click arrives as the double-click
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
        }
    }

    std::unique_ptr<FixtureDatabase> db;
    CalendarConnection connection;
    std::unique_ptr<FrmQytetet> window;
    std::unique_ptr<QSignalSpy> shown;
    QStringList warnings;
    FatalRecorder fatals;
};

QTEST_MAIN(TestFrmQytetet)
#include "TestFrmQytetet.moc"
