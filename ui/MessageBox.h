#pragma once

#include <QMessageBox>

// A message with its one button in Albanian ("Në rregull"); Qt's own
// standard buttons would read "OK".
void showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                 const QString &text);
