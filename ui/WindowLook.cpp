#include "ui/WindowLook.h"

#include <QBoxLayout>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace {

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette pal = widget->palette();
    pal.setColor(role, colour);
    widget->setPalette(pal);
}

} // namespace

void setTextColour(QWidget *widget, const QColor &colour)
{
    setColour(widget, QPalette::WindowText, colour);
}

void fillBackground(QWidget *widget, const QColor &colour)
{
    setColour(widget, QPalette::Window, colour);
    widget->setAutoFillBackground(true);
}

void centreOnScreen(QWidget *window)
{
    const QWidget *parent = window->parentWidget();
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

QPushButton *addButton(QWidget *window, QBoxLayout *layout, const QString &text,
                       const QString &name)
{
    auto *button = new QPushButton(text, window);
    if (!name.isEmpty())
        button->setAccessibleName(name);
    button->setAutoDefault(false);
    layout->addWidget(button);
    return button;
}
