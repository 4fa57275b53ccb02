#pragma once

#include <QString>
#include <exception>
#include <functional>

// Every event handler runs through this guard, so that no exception crosses
// Qt's event loop. A failure shows the error (number and the engine's
// description), writes it to standard error and ends the program with a
// non-zero status.
namespace ErrorGuard {

using FatalHandler = std::function<void(int number, const QString &description)>;

void fatal(int number, const QString &description);
void fatalFromCurrentException();

// Tests record failures instead of ending the process; an empty handler
// restores the default.
void setFatalHandler(FatalHandler handler);
// Runs just before the program ends on a failure (removes the tray icon).
void setBeforeExit(std::function<void()> hook);

template <typename Handler> void run(Handler &&handler) noexcept
{
    try {
        handler();
    } catch (...) {
        fatalFromCurrentException();
    }
}

} // namespace ErrorGuard
