#pragma once

#include <QPushButton>

// The push button of every window: face colour RGB(236, 233, 216), black text,
// Verdana 8.25 pt, named for the tests and screen readers, placed by its design
// rectangle in twips. A caption wider than the button wraps onto a second line
// instead of being cut off.
class PushButton : public QPushButton
{
    Q_OBJECT

public:
    PushButton(const QString &text, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

PushButton *makePushButton(QWidget *parent, const QString &name, const QString &text, int left,
                           int top, int width = 1215, int height = 495);
