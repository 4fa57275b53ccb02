#include "kolvira-db/TakvimCommand.h"

#include "data/WholeFile.h"
#include "kolvira-db/Arguments.h"
#include "kolvira-db/TakvimFile.h"
#include "kolvira-db/UsageError.h"

namespace TakvimCommand {

int run(const QStringList &words, QTextStream &out)
{
    const Arguments args(words, {});
    if (args.positional().size() != 2)
        throw UsageError(QStringLiteral("Komanda \"takvim\" kërkon takvimin e shtypur dhe "
                                        "skedarin që do të shkruhet."));
    const QString printed = args.positional().at(0);
    const QString target = args.positional().at(1);
    QByteArray bytes;
    QString failure = WholeFile::read(printed, bytes);
    if (failure.isEmpty())
        failure = WholeFile::write(target, TakvimFile::fromPrinted(bytes, printed));
    if (!failure.isEmpty())
        throw ToolError(failure);
    out << QStringLiteral("U shkrua \"%1\".\n").arg(target);
    return 0;
}

} // namespace TakvimCommand
