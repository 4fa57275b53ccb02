#include "ui/ErrorGuard.h"

#include "data/DatabaseError.h"
#include "ui/MessageBox.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace ErrorGuard {
namespace {

FatalHandler &customHandler()
{
    static FatalHandler handler;
    return handler;
}

std::function<void()> &beforeExit()
{
    static std::function<void()> hook;
    return hook;
}

QString messageText(int number, const QString &description)
{
    if (number != 0)
        return QStringLiteral("Gabim %1:\n%2").arg(number).arg(description);
    return QStringLiteral("Gabim:\n%1").arg(description);
}

} // namespace

void setFatalHandler(FatalHandler handler)
{
    customHandler() = std::move(handler);
}

void setBeforeExit(std::function<void()> hook)
{
    beforeExit() = std::move(hook);
}

void fatal(int number, const QString &description)
{
    if (customHandler()) {
        customHandler()(number, description);
        return;
    }
    const QString text = messageText(number, description);
    std::fprintf(stderr, "kolvira: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
    if (beforeExit())
        beforeExit()();
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        showMessage(nullptr, QMessageBox::Critical, QStringLiteral("Kolvira"), text);
    // End at once: no close handler and no further event may run.
    std::_Exit(EXIT_FAILURE);
}

void fatalFromCurrentException()
{
    try {
        throw;
    } catch (const DatabaseError &e) {
        fatal(e.number(), e.message());
    } catch (const KolviraError &e) {
        fatal(DatabaseError::noNumber, e.message());
    } catch (const std::exception &e) {
        fatal(0, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        fatal(0, QStringLiteral("Gabim i panjohur."));
    }
}

} // namespace ErrorGuard
