#include "app/Main.h"
#include "ui/ErrorGuard.h"
#include "ui/FrmMain.h"
#include "ui/TrayIcon.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kolvira"));
    QApplication::setDesktopFileName(QStringLiteral("kolvira"));
    // The program lives in the notification area: hiding the last window
    // does not end it; only the exit command does.
    QApplication::setQuitOnLastWindowClosed(false);
    ErrorGuard::setBeforeExit(RemoveTrayIcon);

    std::unique_ptr<FrmMain> mainWindow;
    ErrorGuard::run([&] { mainWindow = Main(); });
    return QApplication::exec();
}
