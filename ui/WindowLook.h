#pragma once

#include <QColor>
#include <QString>

class QBoxLayout;
class QPushButton;
class QWidget;

// Small touches shared by the windows: colours and where a window opens.

// Paints the widget's text in the colour.
void setTextColour(QWidget *widget, const QColor &colour);
// Fills the widget's background with the colour.
void fillBackground(QWidget *widget, const QColor &colour);
// Centres a window on the screen of its parent, or on the main screen
// when it has none, before it is first shown.
void centreOnScreen(QWidget *window);
// A button of the window added to the layout, not taking Enter from the
// window's other controls; name is what screen readers say when the text is
// a sign ("‹").
QPushButton *addButton(QWidget *window, QBoxLayout *layout, const QString &text,
                       const QString &name = {});
