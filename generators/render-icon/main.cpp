// kolvira-render-icon SVG FOLDER SIZE...
// Writes FOLDER/<SIZE>x<SIZE>/apps/kolvira.png for each SIZE, the layout of
// the hicolor icon theme, so the build can install the folder as it is.

#include "generators/render-icon/IconRenderer.h"

#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s SVG FOLDER SIZE...\n", argv[0]);
        return 2;
    }
    try {
        const IconRenderer renderer(QString::fromLocal8Bit(argv[1]));
        const QString folder = QString::fromLocal8Bit(argv[2]);
        for (int i = 3; i < argc; ++i) {
            bool ok = false;
            const int size = QString::fromLatin1(argv[i]).toInt(&ok);
            if (!ok || size < 1 || size > 1024) {
                std::fprintf(stderr, "%s: not an icon size: %s\n", argv[0], argv[i]);
                return 2;
            }
            renderer.save(size, QStringLiteral("%1/%2x%2/apps/kolvira.png").arg(folder).arg(size));
        }
    } catch (const IconRenderer::Error &error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return 0;
}
