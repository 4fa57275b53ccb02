#include "ui/QtTranslation.h"

#include <QCoreApplication>
#include <QTranslator>

namespace QtTranslation {

bool install()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral(":/i18n/qtbase_sq.qm"))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace QtTranslation
