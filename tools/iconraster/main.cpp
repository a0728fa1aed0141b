// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program icon at the sizes the window asks for at start-up, so the
// program need not draw them (ui/IconRaster.h): one file per size, lirem-N.rgba,
// N x N pixels of premultiplied red, green, blue and alpha bytes.
//
//   iconraster SVG OUTPUT_FOLDER

#include "ui/IconRaster.h"

#include <QFile>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: iconraster SVG OUTPUT_FOLDER\n");
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "iconraster: cannot read %s\n", argv[1]);
        return 1;
    }
    for (const int side : lirem::ui::kIconRasterSizes) {
        const QImage image =
            lirem::ui::RenderIcon(renderer, QSize(side, side)).convertToFormat(QImage::Format_RGBA8888_Premultiplied);
        QFile out(QStringLiteral("%1/lirem-%2.rgba").arg(QString::fromLocal8Bit(argv[2])).arg(side));
        const auto bytes = static_cast<qint64>(image.sizeInBytes());
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            out.write(reinterpret_cast<const char*>(image.constBits()), bytes) != bytes || !out.flush()) {
            std::fprintf(stderr, "iconraster: cannot write %s\n", qPrintable(out.fileName()));
            return 1;
        }
    }
    return 0;
}
