#include "kolvira-db/ImportCommand.h"

#include "data/CalendarConnection.h"
#include "data/ConnectionText.h"
#include "data/SelectedCity.h"
#include "kolvira-db/Arguments.h"
#include "kolvira-db/ToolError.h"
#include "kolvira-db/UsageError.h"
#include "prayer/CityStore.h"
#include "prayer/MosqueTable.h"

#include <QFileInfo>

namespace ImportCommand {

int run(const QStringList &words, QTextStream &out)
{
    const Arguments args(words, {QStringLiteral("place")});
    if (args.positional().size() != 2 || !args.has(QStringLiteral("place")))
        throw UsageError(QStringLiteral("Komanda \"import\" kërkon bazën, --place EMRI dhe "
                                        "skedarin e tabelës."));
    const QString path = args.positional().first();
    const QString table = args.positional().last();
    if (!QFileInfo::exists(path))
        throw ToolError(QStringLiteral("Skedari \"%1\" nuk ekziston.").arg(path));
    const QList<MosqueTable::Day> days = MosqueTable::readFile(table);

    CalendarConnection connection;
    connection.open(ConnectionText::forFile(path));
    const QString name = args.value(QStringLiteral("place"));
    const std::optional<SelectedCity> city = SelectedCity::named(connection.database(), name);
    if (!city)
        throw ToolError(QStringLiteral("Vendi \"%1\" nuk është në listën e bazës.").arg(name));
    CityStore(connection).importMosqueTable(city->key, days, QFileInfo(table).fileName());
    out << QStringLiteral("Tabela \"%1\" u ruajt për %2: %3 ditë.\n")
               .arg(QFileInfo(table).fileName(), city->name)
               .arg(days.size());
    if (const QString missing = MosqueTable::missingNote(days); !missing.isEmpty())
        out << missing << '\n';
    return 0;
}

} // namespace ImportCommand
