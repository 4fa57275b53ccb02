#include "ui/AutoSizeLabel.h"

#include "ui/Twips.h"

#include <QRegularExpression>

AutoSizeLabel::AutoSizeLabel(const QString &text, QWidget *parent, Qt::Alignment alignment)
    : QLabel(text, parent)
{
    setAlignment(alignment | Qt::AlignVCenter);
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setTextFormat(Qt::PlainText);
}

void AutoSizeLabel::setText(const QString &text)
{
    if (text == QLabel::text())
        return;
    QLabel::setText(text);
    fitToText();
}

void AutoSizeLabel::placeTwips(int left, int top, int width, int height)
{
    Twips::place(this, left, top, width, height);
    fitToText();
}

void AutoSizeLabel::describeBy(const QLabel &caption)
{
    static const QRegularExpression punctuation(QStringLiteral("^[>\\s]+|[:\\s]+$"));
    setAccessibleDescription(caption.text().remove(punctuation));
}

void AutoSizeLabel::fitToText()
{
    const QSize hint = sizeHint();
    const QRect old = geometry();
    const int width = hint.width();
    const int height = std::max(hint.height(), old.height());
    if (alignment() & Qt::AlignRight)
        setGeometry(old.right() + 1 - width, old.top(), width, height);
    else
        setGeometry(old.left(), old.top(), width, height);
}

AutoSizeLabel *makeLabel(QWidget *parent, const QString &name, const QString &text,
                         const QFont &font, int left, int top, int width, int height,
                         Qt::Alignment alignment)
{
    auto *label = new AutoSizeLabel(text, parent, alignment);
    label->setObjectName(name);
    label->setFont(font);
    label->placeTwips(left, top, width, height);
    return label;
}
