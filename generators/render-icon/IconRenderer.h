#pragma once

#include "data/KolviraError.h"

#include <QImage>
#include <QString>

// Draws an SVG picture as a square image of a given size, for the fixed-size
// PNG icons that desktops without SVG support look for.
class IconRenderer
{
public:
    struct Error : KolviraError
    {
        using KolviraError::KolviraError;
    };

    // Throws Error when the file is not a readable SVG picture.
    explicit IconRenderer(const QString &svgPath);

    // The picture scaled to size x size on a transparent background, kept in
    // proportion and centred when it is not square.
    QImage render(int size) const;

    // Writes render(size) as PNG; throws Error when the file cannot be written.
    void save(int size, const QString &pngPath) const;

private:
    QString m_svgPath;
};
