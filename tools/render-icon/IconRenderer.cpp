#include "tools/render-icon/IconRenderer.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>

IconRenderer::IconRenderer(const QString &svgPath) : m_svgPath(svgPath)
{
    if (!QSvgRenderer(m_svgPath).isValid())
        throw Error("not a readable SVG picture: " + m_svgPath.toStdString());
}

QImage IconRenderer::render(int size) const
{
    QSvgRenderer svg(m_svgPath);
    svg.setAspectRatioMode(Qt::KeepAspectRatio);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    svg.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

void IconRenderer::save(int size, const QString &pngPath) const
{
    const QString folder = QFileInfo(pngPath).absolutePath();
    if (!QDir().mkpath(folder))
        throw Error("cannot create folder " + folder.toStdString());
    if (!render(size).save(pngPath, "PNG"))
        throw Error("cannot write " + pngPath.toStdString());
}
