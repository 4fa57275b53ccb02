#include "app/Main.h"

#include "app/FrmSplash.h"
#include "calendar/Clock.h"
#include "data/CalendarConnection.h"
#include "data/ConnectionText.h"
#include "data/DataFiles.h"
#include "prayer/CalendarYear.h"
#include "ui/FrmMain.h"
#include "ui/TrayIcon.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>
#include <QTimer>
#include <QWindow>

void ShowSplash(FrmMain &main, const Clock &clock, const std::function<void()> &processEvents)
{
    QPointer<FrmSplash> splash = new FrmSplash;
    splash->show();
    constexpr qint64 pauseMs = 2000;
    // The pause counts from when the splash is on the screen, which comes a
    // little after the request to show it; a splash never exposed waits no longer.
    const qint64 requested = clock.monotonicMs();
    while (splash && !splash->windowHandle()->isExposed() &&
           clock.monotonicMs() - requested < pauseMs)
        processEvents();
    const qint64 deadline = clock.monotonicMs() + pauseMs;
    while (clock.monotonicMs() < deadline)
        processEvents();
    if (splash)
        splash->close(); // deletes it
    ShowMainWindow(main);
}

void ShowMainWindow(FrmMain &main)
{
    main.showNormal();
    main.raise();
    main.activateWindow();
}

std::unique_ptr<FrmMain> Main()
{
    CalendarConnection &connection = CalendarConnection::shared();
    QString notice; // a user's copy that could not take the new calendar
    connection.open(
        ConnectionText::forFile(DataFiles::databasePath(DataFiles::Locations::current(), &notice)));
    auto main = std::make_unique<FrmMain>(connection, Clock::system());
    AddTrayIcon(*main, main->mnuPopup(), [form = main.get()] { form->trayIconAdded(); });
    if (!notice.isEmpty())
        main->tell(notice, true);
    // This year's rows before the window loads its first times.
    main->calendarYear().dayInEffectChanged(Clock::system().now().date());
    // The hidden main window's timer may sleep for seconds: the splash's own
    // wake-ups end its pause on time.
    QTimer splashTick;
    splashTick.start(50);
    ShowSplash(*main, Clock::system(),
               [] { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents); });
    // Once the window is up: the world's places take a moment to read.
    QTimer::singleShot(0, main.get(), [form = main.get()] { form->proposePlace(); });
    return main;
}
