#include "ui/MessageBox.h"

#include <QPushButton>

void showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text)
{
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    box.setDefaultButton(box.addButton(QStringLiteral("Në rregull"), QMessageBox::AcceptRole));
    box.exec();
}

bool askQuestion(QWidget *parent, const QString &title, const QString &text, const QString &yes)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    const QPushButton *agreed = box.addButton(yes, QMessageBox::YesRole);
    box.setDefaultButton(box.addButton(QStringLiteral("Jo"), QMessageBox::NoRole));
    box.setEscapeButton(box.defaultButton());
    box.exec();
    return box.clickedButton() == agreed;
}
