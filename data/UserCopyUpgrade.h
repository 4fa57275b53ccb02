#pragma once

#include <QString>

// The user's copy of the database made by an earlier release (without this
// release's calendar tables, or of a lower edition) takes the installed
// default's calendar at the next start, keeping what the user made: the
// places added, the minutes and mosque tables set for a city, and the choice.
namespace UserCopyUpgrade {

struct Outcome
{
    bool replaced = false;
    // Why a copy that needed the new calendar keeps the old one, for the
    // user; empty when nothing went wrong.
    QString problem;
};

// Replaces the copy by the default when the copy lacks the calendar tables
// or is of a lower edition, the default has them and every city of the
// copy's list is in the default (a copy of an earlier default, not a file
// made by hand). The old file is kept
// first as "<name>.bak"; when that fails, the copy stays as it was.
Outcome run(const QString &userCopy, const QString &installed);

} // namespace UserCopyUpgrade
