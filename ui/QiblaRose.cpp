#include "ui/QiblaRose.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

namespace {

const QColor darkRed(128, 0, 0); // as the main window's adhan rows

} // namespace

QiblaRose::QiblaRose(double bearing, QWidget *parent) : QWidget(parent), m_bearing(bearing)
{
    setMinimumSize(sizeHint());
}

void QiblaRose::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(width() / 2.0, height() / 2.0);
    const double letterRoom = fontMetrics().height();
    const double radius = std::min(width(), height()) / 2.0 - letterRoom - 2;

    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawEllipse(QPointF(0, 0), radius, radius);
    for (int mark = 0; mark < 16; ++mark) { // longer at the eight points
        painter.save();
        painter.rotate(mark * 22.5);
        painter.drawLine(QPointF(0, -radius), QPointF(0, -radius + (mark % 2 ? 5 : 11)));
        painter.restore();
    }
    static const std::array<QString, 4> quarters = {QStringLiteral("V"), QStringLiteral("L"),
                                                    QStringLiteral("J"), QStringLiteral("P")};
    const double away = radius + letterRoom / 2 + 1;
    const std::array<QPointF, 4> at = {QPointF(0, -away), QPointF(away, 0), QPointF(0, away),
                                       QPointF(-away, 0)};
    for (std::size_t i = 0; i < quarters.size(); ++i)
        painter.drawText(
            QRectF(at[i].x() - letterRoom, at[i].y() - letterRoom / 2, 2 * letterRoom, letterRoom),
            Qt::AlignCenter, quarters[i]);

    painter.rotate(m_bearing);
    const double tip = radius - 14;
    painter.setPen(QPen(darkRed, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, 0), QPointF(0, -tip + 10));
    QPainterPath head;
    head.moveTo(0, -tip);
    head.lineTo(7, -tip + 14);
    head.lineTo(-7, -tip + 14);
    head.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.fillPath(head, darkRed);
    painter.fillRect(QRectF(-5, -radius + 1, 10, 10), Qt::black); // the Kaaba
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(0, 0), 3, 3);
}
