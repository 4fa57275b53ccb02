#include "ui/NameField.h"

#include <QStyle>
#include <QStyleOptionFrame>

NameField::NameField(QWidget *parent) : QLineEdit(parent)
{
    setReadOnly(true);
}

void NameField::setName(const QString &name)
{
    m_name = name;
    showName();
}

void NameField::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    showName();
}

void NameField::showName()
{
    // The room for text inside the frame, as the line edit lays it out.
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect room = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const int margins = textMargins().left() + textMargins().right() + 4;
    const QString shown = fontMetrics().elidedText(m_name, Qt::ElideMiddle, room.width() - margins);
    setText(shown);
    setCursorPosition(0);
    const QString whole = shown == m_name ? QString() : m_name;
    setToolTip(whole);
    setAccessibleDescription(whole);
}
