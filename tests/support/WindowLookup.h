#pragma once

#include <QLabel>

// The text of a window's named label, or a note that it is missing.
inline QString labelText(const QObject &window, const QString &name)
{
    const auto *label = window.findChild<QLabel *>(name);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
}
