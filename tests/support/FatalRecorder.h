#pragma once

#include "ui/ErrorGuard.h"

#include <QStringList>
#include <QTest>
#include <utility>

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
