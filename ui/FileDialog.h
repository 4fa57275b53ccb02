#pragma once

#include <QString>

class QWidget;

// The file dialogs the windows open: always Qt's own, which speaks Albanian
// with the program's translation and which screen readers reach as the rest
// of the program; a desktop's native dialog would escape both.
namespace FileDialog {

// The file to read; empty when the user cancels.
QString open(QWidget *parent, const QString &caption, const QString &filter);
// The file to write, offering the suggested path; empty when the user cancels.
QString save(QWidget *parent, const QString &caption, const QString &suggested,
             const QString &filter);

} // namespace FileDialog
