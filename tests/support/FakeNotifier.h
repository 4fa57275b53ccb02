#pragma once

#include "prayer/Notifier.h"

#include <QList>

// A notification service that takes every notice and keeps it; the test
// chooses the stop action as the user would.
class FakeNotifier : public Notifier
{
public:
    bool notify(const Notice &notice) override
    {
        notices << notice;
        return true;
    }
    void chooseStop() { stopChosen(); }

    QList<Notice> notices;
};
