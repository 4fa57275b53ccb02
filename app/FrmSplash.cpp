#include "app/FrmSplash.h"

#include "ui/LoadedWindows.h"
#include "ui/Twips.h"
#include "ui/WindowLook.h"

#include <QPainter>
#include <QSvgRenderer>

FrmSplash::FrmSplash(QWidget *parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FrmSplash"));
    setWindowTitle(QStringLiteral("Form1"));
    setAccessibleName(QStringLiteral("Kolvira po niset")); // it has no title bar
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(Twips::toPixels(7485), Twips::toPixels(4560));
    LoadedWindows::mark(this);
    centreOnScreen(this);
}

void FrmSplash::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QSvgRenderer artwork(QStringLiteral(":/art/splash.svg"));
    artwork.render(&painter, QRectF(QPointF(0, 0), artwork.defaultSize()));
}
