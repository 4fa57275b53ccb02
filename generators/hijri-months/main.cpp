// hijri-months: computes the first days of the Hijri months the program
// shows and writes the table the core reads (calendar/hijri-months.tsv).
//   hijri-months PUBLISHED.tsv OUTPUT.tsv
// PUBLISHED.tsv is Diyanet's list of published dates; where it differs from
// the computed rule, it wins.

#include "astronomy/HijriMonthComputation.h"
#include "data/KolviraError.h"
#include "data/WholeFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace {

// Hijri years that cover the Gregorian years 1900 to 2100, over which the
// moon model holds.
constexpr int firstYear = 1317;
constexpr int lastYear = 1524;

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() != 2) {
        err << "Përdorimi: hijri-months DATAT-E-PUBLIKUARA.tsv TABELA.tsv\n";
        return 2;
    }
    try {
        const auto published = readOfficialHijriDates(arguments[0]);
        const auto result = HijriMonthComputation::compute(firstYear, lastYear, published);
        const QString failed =
            WholeFile::write(arguments[1], result.fileText(QFileInfo(arguments[0]).fileName()));
        if (!failed.isEmpty()) {
            err << failed << '\n';
            return 1;
        }
        out << "Muajt hixhri " << firstYear << "–" << lastYear << " u shkruan në " << arguments[1]
            << "; " << result.corrections.size() << " muaj sipas datave të publikuara.\n";
        return 0;
    } catch (const KolviraError &e) {
        err << e.message() << '\n';
        return 1;
    }
}
