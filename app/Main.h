#pragma once

#include <QString>
#include <functional>
#include <memory>

class Clock;
class FrmMain;

// Start-up: opens the calendar database, creates the main window, registers
// its notification-area icon, shows the splash for two seconds and then the
// main window. A failure shows the error and ends the program.
std::unique_ptr<FrmMain> Main();

// Brings the main window forward, restored if it was minimised.
void ShowMainWindow(FrmMain &main);

// Shows the splash for at least two seconds, measured on the clock's
// monotonic time, while events keep being handled, then shows the main window.
// processEvents handles pending events once; tests may drive it.
void ShowSplash(FrmMain &main, const Clock &clock, const std::function<void()> &processEvents);
