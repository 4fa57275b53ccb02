#include "ui/PushButton.h"

#include "ui/Fonts.h"
#include "ui/Twips.h"

#include <QStyleOptionButton>
#include <QStylePainter>

PushButton::PushButton(const QString &text, QWidget *parent) : QPushButton(text, parent)
{
    setFont(designFont(QStringLiteral("Verdana"), 8.25));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Button, QColor(236, 233, 216));
    palette.setColor(QPalette::ButtonText, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);
}

void PushButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(area.adjusted(1, 0, -1, 0),
                     Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, caption);
}

PushButton *makePushButton(QWidget *parent, const QString &name, const QString &text, int left,
                           int top, int width, int height)
{
    auto *button = new PushButton(text, parent);
    button->setObjectName(name);
    Twips::place(button, left, top, width, height);
    return button;
}
