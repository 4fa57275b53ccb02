#include "kolvira-db/CheckCommand.h"

#include "data/DatabaseError.h"
#include "kolvira-db/Arguments.h"
#include "kolvira-db/CalendarCheck.h"
#include "kolvira-db/UsageError.h"

#include <QFileInfo>

namespace CheckCommand {

int run(const QStringList &words, QTextStream &out)
{
    const Arguments args(words, {});
    if (args.positional().size() != 1)
        throw UsageError(
            QStringLiteral("Komanda \"check\" kërkon emrin e një skedari, dhe vetëm atë."));
    const QString path = args.positional().first();
    if (!QFileInfo::exists(path))
        throw ToolError(QStringLiteral("Skedari \"%1\" nuk ekziston.").arg(path));
    CalendarCheck::Result result;
    try {
        result = CalendarCheck::run(path);
    } catch (const DatabaseError &e) {
        // A file that is there but is no calendar is itself the fault.
        out << e.message() << '\n';
        return 1;
    }
    for (const QString &problem : result.problems)
        out << problem << '\n';
    if (result.problems.isEmpty()) {
        out << QStringLiteral("\"%1\" është në rregull: %2 ditë, %3 qytete.\n")
                   .arg(path)
                   .arg(result.days)
                   .arg(result.cities);
        return 0;
    }
    out << QStringLiteral("\"%1\" ka %2 gabime.\n").arg(path).arg(result.problems.size());
    return 1;
}

} // namespace CheckCommand
