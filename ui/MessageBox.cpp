#include "ui/MessageBox.h"

#include <QPushButton>

void showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text)
{
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    box.setDefaultButton(box.addButton(QStringLiteral("Në rregull"), QMessageBox::AcceptRole));
    box.exec();
}

bool askFirst(QWidget *parent, const QString &title, const QString &text, const QString &action)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    const QPushButton *yes = box.addButton(action, QMessageBox::AcceptRole);
    box.setDefaultButton(box.addButton(QStringLiteral("Anulo"), QMessageBox::RejectRole));
    box.exec();
    return box.clickedButton() == yes;
}
