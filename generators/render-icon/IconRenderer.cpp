#include "generators/render-icon/IconRenderer.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>

IconRenderer::IconRenderer(const QString &svgPath) : m_svgPath(svgPath)
{
    if (!QSvgRenderer(m_svgPath).isValid())
        throw Error(QStringLiteral("not a readable SVG picture: %1").arg(m_svgPath));
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
        throw Error(QStringLiteral("cannot create folder %1").arg(folder));
    if (!render(size).save(pngPath, "PNG"))
        throw Error(QStringLiteral("cannot write %1").arg(pngPath));
}
