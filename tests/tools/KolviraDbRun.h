#pragma once

#include "calendar/Clock.h"
#include "tools/kolvira-db/KolviraDb.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

// One run of the calendar tool in the test's process, with what it printed.
struct KolviraDbRun
{
    int status = -1;
    QString out;
    QString err;

    explicit KolviraDbRun(const QStringList &words, const Clock &clock = Clock::system())
    {
        QTextStream outStream(&out), errStream(&err);
        status = KolviraDb::run(words, outStream, errStream, clock);
    }
};
