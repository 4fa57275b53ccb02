#pragma once

#include <QStringList>
#include <QTextStream>

// "kolvira-db takvim PRINTED.tsv OUT.tsv": a printed edition of the official
// calendar as the perpetual table the sources keep (data/kosova-takvimi.tsv).
namespace TakvimCommand {

// 0 when written; throws UsageError for a wrong command line, ToolError when
// a file cannot be read or written or the edition is not whole.
int run(const QStringList &words, QTextStream &out);

} // namespace TakvimCommand
