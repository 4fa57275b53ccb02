#pragma once

#include <QMessageBox>

// A message with its one button in Albanian ("Në rregull"); Qt's own
// standard buttons would read "OK".
void showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                 const QString &text);

// A question with the action's own button (e.g. "Hiqe") and "Anulo", which
// is the default; true when the user chose the action.
bool askFirst(QWidget *parent, const QString &title, const QString &text, const QString &action);
