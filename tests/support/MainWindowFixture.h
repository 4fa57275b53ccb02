#pragma once

#include "data/CalendarConnection.h"
#include "support/FakeClock.h"
#include "support/FakeMediaPlayer.h"
#include "support/FakeNotifier.h"
#include "support/FixtureDatabase.h"
#include "ui/ErrorGuard.h"
#include "ui/FrmMain.h"

#include <QLabel>
#include <QStandardPaths>
#include <QStringList>
#include <QTest>
#include <memory>
#include <utility>

// The text of a window's named label, or a note that it is missing.
inline QString labelText(const QObject &window, const QString &name)
{
    const auto *label = window.findChild<QLabel *>(name);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

// While it lives, the failures that would end the program are recorded here
// instead.
class FatalRecorder
{
public:
    FatalRecorder()
    {
        ErrorGuard::setFatalHandler([this](int, const QString &text) { texts << text; });
    }
    ~FatalRecorder() { ErrorGuard::setFatalHandler({}); }
    FatalRecorder(const FatalRecorder &) = delete;
    FatalRecorder &operator=(const FatalRecorder &) = delete;

    // Fails the running test if anything was recorded, and forgets it.
    void expectNone()
    {
        const QStringList seen = std::exchange(texts, {});
        QVERIFY2(seen.isEmpty(), qPrintable(seen.join(QLatin1Char('\n'))));
    }

    QStringList texts;
};

// A main window over the standard cities (and days, unless told otherwise),
// at 09:30:00.4 on 6 December 2026 by a fake clock, playing into a fake player,
// telling a fake notification service, with the default settings (the
// user's own file is not read); the failures that would end the program are
// recorded.
struct MainWindowFixture
{
    explicit MainWindowFixture(FixtureDatabase::Content content = FixtureDatabase::CitiesAndDays)
        : db(content)
    {
        connection.open(db.connectionText());
        QStandardPaths::setTestModeEnabled(true);
        form = std::make_unique<FrmMain>(connection, clock, &player);
        form->setNotifier(notifier);
    }
    QString label(const QString &name) const { return labelText(*form, name); }

    FixtureDatabase db;
    CalendarConnection connection;
    FakeClock clock{QDateTime(QDate(2026, 12, 6), QTime(9, 30, 0, 400))};
    FakeMediaPlayer player;
    FakeNotifier notifier;
    FatalRecorder fatals;
    std::unique_ptr<FrmMain> form;
};
