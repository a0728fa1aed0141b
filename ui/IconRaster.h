// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One size of the program icon drawn from its SVG, as the window draws it at
// run time and as the build draws it beforehand (tools/iconraster): the same
// code, so the pictures are the same.

#include <QImage>
#include <QPainter>
#include <QSize>
#include <QSvgRenderer>

#include <array>

namespace lirem::ui {

// The sizes drawn at build time: the X11 window icon (16, 32, 64, 128) and
// the caption's small icon at 96 and 120 dpi (16, 20).
inline constexpr std::array<int, 5> kIconRasterSizes = {16, 20, 32, 64, 128};

inline QImage RenderIcon(QSvgRenderer& renderer, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(0x00000000);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image;
}

} // namespace lirem::ui
