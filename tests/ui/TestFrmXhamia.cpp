#include "data/ConnectionText.h"
#include "ui/FrmXhamia.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The mosque's window: "Hiq tabelën" is greyed while there is no table and
// takes one off only when the user agrees; every change stored is told, so
// that the main window shows the new times at once.
class TestFrmXhamia : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void removesTheTableOnlyWhenAsked()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("kolvira.db"));
        QVERIFY(QFile::copy(KOLVIRA_DEFAULT_DATABASE, file));
        CalendarConnection connection;
        connection.open(ConnectionText::forFile(file));
        FrmXhamia mosque(1, QStringLiteral("Prishtinë"), connection);
        QStringList told, asked;
        bool agreed = false;
        mosque.setMessage([&](const QString &text, bool) { told << text; });
        mosque.setConfirmation([&](const QString &question) {
            asked << question;
            return agreed;
        });
        const QSignalSpy changed(&mosque, &FrmXhamia::timesChanged);
        auto *remove = mosque.findChild<QPushButton *>(QStringLiteral("CmdHiqTabelen"));
        QVERIFY(!remove->isEnabled());

        mosque.importTable(KOLVIRA_SEED_TABLES "/missing-day.csv");
        QVERIFY(told.last().contains("u importua: 7 ditë. Tabelës i mungojnë: 15.03.2026."));
        QCOMPARE(changed.size(), 1);
        QVERIFY(remove->isEnabled());
        remove->click();
        QCOMPARE(asked, QStringList{"Të hiqet tabela \"missing-day.csv\"? Kohët do të jenë "
                                    "ato të kalendarit të vendit."});
        QVERIFY(remove->isEnabled());
        QCOMPARE(changed.size(), 1);
        agreed = true;
        remove->click();
        QVERIFY(!remove->isEnabled());
        QCOMPARE(changed.size(), 2);
    }
};

QTEST_MAIN(TestFrmXhamia)
#include "TestFrmXhamia.moc"
