#include "app/CommandLine.h"

#include "ui/QtTranslation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstring>

namespace CommandLine {

std::optional<int> answer(int argc, char *argv[])
{
    const auto asks = [](const char *argument) {
        for (const char *request : {"-h", "--help", "--help-all", "-v", "--version"})
            if (std::strcmp(argument, request) == 0)
                return true;
        return false;
    };
    bool asked = false;
    for (int i = 1; i < argc; ++i)
        asked = asked || asks(argv[i]);
    if (!asked)
        return std::nullopt;

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kolvira"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KOLVIRA_VERSION));
    QtTranslation::install(); // Qt's own words of the help: "Përdorimi", "Mundësitë"
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Kolvira: kalendari i kohëve të namazit për shqiptarët myslimanë.\n"
                       "Rri në hapësirën e njoftimeve të desktopit, tregon datën e sotme dhe\n"
                       "datën hixhri, orën dhe shtatë kohët e ditës të vendit të zgjedhur, dhe\n"
                       "lëshon ezanin në pesë namazet.\n"
                       "Udhëzuesi: /usr/share/doc/kolvira/udhezuesi.md; faqja: man kolvira."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app); // prints what was asked, or what is wrong, and ends
    return 0;
}

} // namespace CommandLine
