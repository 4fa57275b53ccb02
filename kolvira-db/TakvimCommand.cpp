#include "kolvira-db/TakvimCommand.h"

#include "data/WholeFile.h"
#include "kolvira-db/Arguments.h"
#include "kolvira-db/TakvimFile.h"
#include "kolvira-db/UsageError.h"

#include <QFile>

namespace TakvimCommand {

int run(const QStringList &words, QTextStream &out)
{
    const Arguments args(words, {});
    if (args.positional().size() != 2)
        throw UsageError(QStringLiteral("Komanda \"takvim\" kërkon takvimin e shtypur dhe "
                                        "skedarin që do të shkruhet."));
    const QString printed = args.positional().at(0);
    const QString target = args.positional().at(1);
    QFile file(printed);
    if (!file.open(QIODevice::ReadOnly))
        throw ToolError(QStringLiteral("Skedari \"%1\" nuk mund të lexohet: %2")
                            .arg(printed, file.errorString()));
    const QString failure =
        WholeFile::write(target, TakvimFile::fromPrinted(file.readAll(), printed));
    if (!failure.isEmpty())
        throw ToolError(failure);
    out << QStringLiteral("U shkrua \"%1\".\n").arg(target);
    return 0;
}

} // namespace TakvimCommand
