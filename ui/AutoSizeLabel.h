#pragma once

#include <QLabel>

class QFont;

// A label that sizes itself to its text, like the labels of all our windows.
// A right-aligned one keeps its right edge, a left-aligned one its left edge.
class AutoSizeLabel : public QLabel
{
    Q_OBJECT

public:
    AutoSizeLabel(const QString &text, QWidget *parent, Qt::Alignment alignment = Qt::AlignLeft);

    // Sets the text and resizes; does nothing when the text is unchanged, so
    // that a label rewritten every tick only repaints when it changes.
    void setText(const QString &text);
    // Places the label by its design rectangle in twips, then sizes it to its text.
    void placeTwips(int left, int top, int width, int height);
    // A label showing a value tells a screen reader what the value is: the
    // caption beside it, without its punctuation. Its name stays the value.
    void describeBy(const QLabel &caption);

private:
    void fitToText();
};

// A label of a window: named for the tests and screen readers, in the font,
// placed by its design rectangle in twips.
AutoSizeLabel *makeLabel(QWidget *parent, const QString &name, const QString &text,
                         const QFont &font, int left, int top, int width, int height,
                         Qt::Alignment alignment = Qt::AlignLeft);
