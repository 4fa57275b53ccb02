#include "ui/PushButton.h"

#include "ui/Twips.h"

QPushButton *makePushButton(const QString &text, QWidget *parent, int left, int top, int width,
                            int height)
{
    auto *button = new QPushButton(text, parent);
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    button->setFont(font);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, QColor(236, 233, 216));
    palette.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(palette);
    button->setAutoFillBackground(true);
    Twips::place(button, left, top, width, height);
    return button;
}
