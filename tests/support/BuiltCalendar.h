#pragma once

#include "data/CalendarConnection.h"
#include "data/ConnectionText.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

// An open copy of the calendar database the build makes (the takvim,
// Prishtinë selected with -1); the test target names it KOLVIRA_DEFAULT_DATABASE.
struct BuiltCalendar
{
    BuiltCalendar()
    {
        const QString file = dir.filePath(QStringLiteral("kolvira.db"));
        if (!QFile::copy(QStringLiteral(KOLVIRA_DEFAULT_DATABASE), file))
            qFatal("cannot copy %s", KOLVIRA_DEFAULT_DATABASE);
        connection.open(ConnectionText::forFile(file));
    }

    QTemporaryDir dir;
    CalendarConnection connection;
};
