#pragma once

#include <QString>

// The user's copy of the database made by a release without the perpetual
// calendar takes the installed default's calendar at the next start, keeping
// the selected city by name.
namespace UserCopyUpgrade {

// Replaces the copy by the default when the copy has no perpetual calendar,
// the default has one and every city of the copy is in the default (a copy of
// an earlier default, not a file made by hand). The old file stays beside it
// as "<name>.bak". True when replaced; a failure leaves the copy as it was.
bool run(const QString &userCopy, const QString &installed);

} // namespace UserCopyUpgrade
