#pragma once

#include <QMessageBox>

// A message with its one button in Albanian ("Në rregull"); Qt's own
// standard buttons would read "OK".
void showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                 const QString &text);

// A question with its answers in Albanian: true when the user chose yes
// (the given text, "Po" in short); "Jo", the default, or closing: false.
bool askQuestion(QWidget *parent, const QString &title, const QString &text, const QString &yes);
