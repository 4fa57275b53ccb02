#pragma once

#include "data/CalendarConnection.h"
#include "support/FakeClock.h"
#include "support/FakeMediaPlayer.h"
#include "support/FatalRecorder.h"
#include "support/FixtureDatabase.h"
#include "support/WindowLookup.h"
#include "ui/FrmMain.h"

#include <memory>

// A main window over the standard cities (and days, unless told otherwise),
// at 09:30 on 6 December 2026 by a fake clock, playing into a fake player;
// the failures that would end the program are recorded.
struct MainWindowFixture
{
    explicit MainWindowFixture(FixtureDatabase::Content content = FixtureDatabase::CitiesAndDays)
        : db(content)
    {
        connection.open(db.connectionText());
        form = std::make_unique<FrmMain>(connection, clock, &player);
    }
    QString label(const QString &name) const { return labelText(*form, name); }

    FixtureDatabase db;
    CalendarConnection connection;
    FakeClock clock{QDateTime(QDate(2026, 12, 6), QTime(9, 30))};
    FakeMediaPlayer player;
    FatalRecorder fatals;
    std::unique_ptr<FrmMain> form;
};
