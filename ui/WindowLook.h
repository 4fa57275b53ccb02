#pragma once

#include <QColor>

class QWidget;

// Small touches shared by the windows: colours and where a window opens.

// Paints the widget's text in the colour.
void setTextColour(QWidget *widget, const QColor &colour);
// Fills the widget's background with the colour.
void fillBackground(QWidget *widget, const QColor &colour);
// Centres a window on the screen of its parent, or on the main screen
// when it has none, before it is first shown.
void centreOnScreen(QWidget *window);
