#include "ui/MessageBox.h"

#include <QPushButton>

void showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text)
{
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    box.setDefaultButton(box.addButton(QStringLiteral("Në rregull"), QMessageBox::AcceptRole));
    box.exec();
}
