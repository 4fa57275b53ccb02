#pragma once

#include "calendar/Clock.h"

#include <QStringList>
#include <QTextStream>

// The calendar tool's commands behind one entry point, which is also the one
// place where failures are caught and turned into a message and a status.
namespace KolviraDb {

enum Status { Ok = 0, Faults = 1, Usage = 2, Failure = 3 };

// words: the arguments after the program name.
int run(const QStringList &words, QTextStream &out, QTextStream &err,
        const Clock &clock = Clock::system());
QString helpText();

} // namespace KolviraDb
