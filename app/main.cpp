#include "app/Main.h"
#include "app/CommandLine.h"
#include "app/SingleInstance.h"
#include "ui/ErrorGuard.h"
#include "ui/FrmMain.h"
#include "ui/QtTranslation.h"
#include "ui/TrayIcon.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const std::optional<int> answered = CommandLine::answer(argc, argv))
        return *answered;
    // On X11 a window drawn through shared memory waits for the server after
    // each paint, which wakes the program three times a second more while the
    // clock ticks; the window is small, so plain requests cost nothing.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kolvira"));
    QApplication::setDesktopFileName(QStringLiteral("kolvira"));
    QtTranslation::install();
    // The program lives in the notification area: hiding the last window
    // does not end it; only the exit command does.
    QApplication::setQuitOnLastWindowClosed(false);
    ErrorGuard::setBeforeExit(RemoveTrayIcon);
    SingleInstance instance;
    if (!instance.claim())
        return EXIT_SUCCESS; // the first copy shows its window

    std::unique_ptr<FrmMain> mainWindow;
    ErrorGuard::run([&] { mainWindow = Main(); });
    instance.setShowWindow([&] { ShowMainWindow(*mainWindow); });
    return QApplication::exec();
}
