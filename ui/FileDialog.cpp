#include "ui/FileDialog.h"

#include <QFileDialog>

namespace FileDialog {

QString open(QWidget *parent, const QString &caption, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

QString save(QWidget *parent, const QString &caption, const QString &suggested,
             const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

} // namespace FileDialog
