#include "ui/DateField.h"

#include <QKeyEvent>
#include <QLineEdit>

void DateField::keyPressEvent(QKeyEvent *event)
{
    // A part already full takes no more figures, so without a selection the
    // key would be lost: the figure starts the part afresh instead. A part
    // being typed keeps taking figures.
    const QString text = event->text();
    const Section part = currentSection();
    const qsizetype full = part == YearSection ? 4 : 2;
    if (!text.isEmpty() && text.front().isDigit() && !lineEdit()->hasSelectedText() &&
        sectionText(part).size() >= full)
        setSelectedSection(part);
    QDateEdit::keyPressEvent(event);
}
