#include "kolvira-db/KolviraDb.h"

#include <QGuiApplication>
#include <memory>

int main(int argc, char *argv[])
{
    // Timetable pages are drawn with fonts, which take Qt's GUI part, though
    // no screen.
    const bool drawsPages = argc > 1 && qstrcmp(argv[1], "timetable") == 0;
    if (drawsPages && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app(drawsPages ? new QGuiApplication(argc, argv)
                                                           : new QCoreApplication(argc, argv));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return KolviraDb::run(app->arguments().mid(1), out, err);
}
