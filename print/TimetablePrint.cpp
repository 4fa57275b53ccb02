#include "print/TimetablePrint.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace {

// Relative widths of the columns: date, weekday, Hijri date, then each time.
constexpr std::array<double, 3> dayColumns = {1.5, 1.4, 2.1};
constexpr double timeColumn = 1.0;

QFont pageFont(double points, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void paintRow(QPainter &painter, const QStringList &texts, double top, double height,
              const std::vector<double> &lefts)
{
    for (int c = 0; c < texts.size(); ++c) {
        const QRectF cell(lefts[std::size_t(c)], top,
                          lefts[std::size_t(c) + 1] - lefts[std::size_t(c)], height);
        painter.drawText(cell.adjusted(2, 0, -2, 0),
                         Qt::AlignVCenter | (c < 3 ? Qt::AlignLeft : Qt::AlignHCenter) |
                             Qt::TextWordWrap,
                         texts[c]);
    }
}

// A holy day's row: its weekday and Hijri date above the names of its holy
// days and nights, which span both columns in dark red, in a size that fits.
void paintHolyCells(QPainter &painter, const TimetablePage::Row &row, const QString &names,
                    double top, double height, const std::vector<double> &lefts)
{
    const double half = height / 2;
    for (int c : {1, 2})
        painter.drawText(QRectF(lefts[std::size_t(c)] + 2, top,
                                lefts[std::size_t(c) + 1] - lefts[std::size_t(c)] - 4, half),
                         Qt::AlignLeft | Qt::AlignBottom, c == 1 ? row.weekday : row.hijriText);
    const QRectF below(lefts[1] + 2, top + half, lefts[3] - lefts[1] - 4, half);
    const QFont font = painter.font();
    const QPen pen = painter.pen();
    QFont small = pageFont(7);
    while (small.pointSizeF() > 4.5 &&
           QFontMetricsF(small, painter.device()).horizontalAdvance(names) > below.width())
        small.setPointSizeF(small.pointSizeF() - 0.5);
    painter.setFont(small);
    painter.setPen(QColor(128, 0, 0));
    painter.drawText(below, Qt::AlignLeft | Qt::AlignTop, names);
    painter.setFont(font);
    painter.setPen(pen);
}

void paintPage(QPainter &painter, const QRectF &area, const TimetablePage &page)
{
    const double unit = painter.device()->logicalDpiY() / 72.0; // one point
    double top = area.top();
    painter.setFont(pageFont(15, true));
    painter.drawText(QRectF(area.left(), top, area.width(), 24 * unit),
                     Qt::AlignLeft | Qt::AlignVCenter, page.title);
    top += 26 * unit;
    painter.setFont(pageFont(10.5));
    painter.drawText(QRectF(area.left(), top, area.width(), 16 * unit),
                     Qt::AlignLeft | Qt::AlignVCenter, page.cityLine());
    top += 24 * unit;

    const QStringList headers = page.headers();
    double total = 0;
    for (double w : dayColumns)
        total += w;
    total += timeColumn * double(headers.size() - 3);
    std::vector<double> lefts{area.left()};
    for (int c = 0; c < headers.size(); ++c)
        lefts.push_back(lefts.back() +
                        area.width() * (c < 3 ? dayColumns[std::size_t(c)] : timeColumn) / total);

    const double headerHeight = 26 * unit;
    const double rowHeight = std::min(20 * unit, (area.bottom() - top - headerHeight) /
                                                     std::max<qsizetype>(31, page.rows.size()));
    painter.setFont(pageFont(8, true));
    paintRow(painter, headers, top, headerHeight, lefts);
    top += headerHeight;
    painter.drawLine(QPointF(area.left(), top), QPointF(area.right(), top));
    painter.setFont(pageFont(9.5));
    for (qsizetype r = 0; r < page.rows.size(); ++r) {
        if (r % 2 == 1)
            painter.fillRect(QRectF(area.left(), top, area.width(), rowHeight),
                             QColor(238, 238, 238));
        const TimetablePage::Row &row = page.rows[r];
        QStringList cells = page.cells(row);
        const QString holy = TimetablePage::holyNames(row);
        if (!holy.isEmpty()) { // on two lines, below
            cells[1].clear();
            cells[2].clear();
        }
        paintRow(painter, cells, top, rowHeight, lefts);
        if (!holy.isEmpty())
            paintHolyCells(painter, row, holy, top, rowHeight, lefts);
        top += rowHeight;
    }
    painter.drawLine(QPointF(area.left(), top), QPointF(area.right(), top));
    if (!page.note.isEmpty()) {
        painter.setFont(pageFont(10.5, true));
        painter.drawText(QRectF(area.left(), top + 4 * unit, area.width(), 16 * unit),
                         Qt::AlignLeft | Qt::AlignVCenter, page.note);
    }
}

} // namespace

namespace TimetablePrint {

void paint(QPagedPaintDevice &device, const QList<TimetablePage> &pages)
{
    QPainter painter(&device);
    const QRectF area(0, 0, device.width(), device.height());
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        paintPage(painter, area, pages[i]);
    }
}

QByteArray pdf(const QList<TimetablePage> &pages)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Portrait);
        writer.setPageMargins(QMarginsF(14, 12, 14, 12), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setCreator(QStringLiteral("Kolvira"));
        if (!pages.isEmpty())
            writer.setTitle(QStringLiteral("Takvimi \u2013 %1").arg(pages.first().cityName));
        paint(writer, pages);
    }
    return buffer.data();
}

} // namespace TimetablePrint
