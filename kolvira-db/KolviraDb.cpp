#include "kolvira-db/KolviraDb.h"

#include "astronomy/HighLatitudeRule.h"
#include "astronomy/PrayerMethod.h"
#include "data/DatabaseError.h"
#include "kolvira-db/CheckCommand.h"
#include "kolvira-db/GenerateCommand.h"
#include "kolvira-db/ImportCommand.h"
#include "kolvira-db/TakvimCommand.h"
#include "kolvira-db/TimetableCommand.h"
#include "kolvira-db/UsageError.h"

namespace KolviraDb {

QString helpText()
{
    return QStringLiteral(
               "Përdorimi:\n"
               "  kolvira-db generate SKEDARI [opsione]\n"
               "  kolvira-db check SKEDARI\n"
               "  kolvira-db timetable SKEDARI --city EMRI --year VITI [--month MUAJI]\n"
               "             (--pdf DALJA | --ics DALJA) [--alarm MINUTA]\n"
               "  kolvira-db import SKEDARI --place EMRI TABELA.csv\n"
               "  kolvira-db takvim TAKVIMI-I-SHTYPUR.tsv DALJA.tsv\n"
               "  kolvira-db --help\n"
               "\n"
               "generate  shkruan bazën e plotë kolvira.db: kalendarin e përhershëm (në orën\n"
               "          standarde), rreshtat e vitit me orën verore të tij, një për çdo ditë\n"
               "          e muaj (edhe 29 shkurtin), dhe qytetet me minutat e tyre. Pa opsione\n"
               "          llogaritjeje merr takvimin e Bashkësisë Islame të Kosovës; me to\n"
               "          llogarit kohët për vendin e referencës. Shfaq për çdo qytet minutat\n"
               "          dhe devijimin më të madh.\n"
               "  --year VITI          viti (parazgjedhur: viti i tanishëm)\n"
               "  --city EMRI          qyteti i zgjedhur (parazgjedhur: Prishtinë); për\n"
               "                       qytetet me kalendar të vetin (KMSH) rreshtat e tij;\n"
               "                       një vend që lista s'e ka kërkohet ndër vendet e botës\n"
               "                       (\"Zürich\", \"Cyrih\") dhe shtohet si me --at\n"
               "  --at GJER,GJAT --zone ZONA [--name EMRI]  shton e zgjedh vendin në këto\n"
               "                       koordinata, me kohët e veta sipas --method\n"
               "  --high-latitude RREGULLI  rregulli i gjerësive të larta: %2\n"
               "  --place EMRI         vendi i referencës (parazgjedhur: Prishtinë)\n"
               "  --method EMRI        metoda: %1\n"
               "                       (parazgjedhur kur llogaritet: mwl, 18° e 17°)\n"
               "  --fajr-angle GRADË   këndi i diellit nën horizont për Fexhrin\n"
               "  --isha-angle GRADË   këndi i diellit nën horizont për Ishanë\n"
               "  --asr standard|hanafi  hija e Asrit: 1 ose 2 herë gjatësia (parazgjedhur: "
               "standard)\n"
               "  --imsak MINUTA       Imsaku sa minuta para Fexhrit (parazgjedhur: 10)\n"
               "  --fajr-after-imsak MINUTA  Imsaku në agim, Fexhri kaq minuta pas tij\n"
               "  --adjust M,M,M,M,M,M,M  minuta që u shtohen Imsakut .. Ishasë\n"
               "  --cities SKEDARI     lista e qyteteve (parazgjedhur: ajo e programit)\n"
               "\n"
               "check     kontrollon një bazë kalendari: ditë që mungojnë a përsëriten, kohë\n"
               "          që nuk lexohen ose nuk janë me radhë, qytet i zgjedhur që mungon a\n"
               "          është më shumë se një, emra qytetesh të përsëritur, minuta mbi dy orë,\n"
               "          kalendar i përhershëm jo i plotë a rreshta që nuk janë të vitit të tij.\n"
               "\n"
               "timetable shkruan takvimin e një qyteti për një muaj a për gjithë vitin: si PDF\n"
               "          për shtyp (një faqe A4 për muaj) ose si kalendar iCalendar (.ics) me\n"
               "          një ngjarje për çdo namaz; --alarm shton një kujtesë aq minuta para.\n"
               "\n"
               "import    ruan tabelën vjetore të shtypur të një xhamie si kalendar të vendit\n"
               "          (CSV ose TSV: data VVVV-MM-DD ose DD.MM.VVVV dhe 6 ose 7 kohë në\n"
               "          rresht, me orën verore si në letër); ditët që i mungojnë ndjekin\n"
               "          kalendarin e vendit. Një rresht që nuk lexohet emërtohet dhe nuk\n"
               "          ndryshon asgjë.\n"
               "\n"
               "takvim    kthen një botim të shtypur të takvimit të BIK (data dhe shtatë kohë\n"
               "          në ditë, me orën verore të vitit) në tabelën e përhershme të programit\n"
               "          (data/kosova-takvimi.tsv): në orën standarde, me 29 shkurtin.\n"
               "\n"
               "Gjendja në dalje: 0 në rregull, 1 baza ka gabime, 2 komandë e gabuar,\n"
               "3 dështim gjatë punës.\n")
        .arg(PrayerMethod::names().join(QStringLiteral(", ")),
             HighLatitudeRule::names().join(QStringLiteral(", ")));
}

int run(const QStringList &words, QTextStream &out, QTextStream &err, const Clock &clock)
{
    if (words.contains(QLatin1String("--help")) || words.contains(QLatin1String("-h"))) {
        out << helpText();
        return Ok;
    }
    try {
        const QString command = words.value(0);
        if (command == QLatin1String("generate"))
            return GenerateCommand::run(words.mid(1), out, clock);
        if (command == QLatin1String("check"))
            return CheckCommand::run(words.mid(1), out);
        if (command == QLatin1String("timetable"))
            return TimetableCommand::run(words.mid(1), out);
        if (command == QLatin1String("import"))
            return ImportCommand::run(words.mid(1), out);
        if (command == QLatin1String("takvim"))
            return TakvimCommand::run(words.mid(1), out);
        throw UsageError(command.isEmpty()
                             ? QStringLiteral("Mungon komanda.")
                             : QStringLiteral("Komanda \"%1\" nuk njihet.").arg(command));
    } catch (const UsageError &e) {
        err << e.message() << '\n' << QStringLiteral("Shih: kolvira-db --help\n");
        return Usage;
    } catch (const KolviraError &e) {
        err << e.message() << '\n';
        return Failure;
    }
}

} // namespace KolviraDb
