// SPDX-License-Identifier: GPL-3.0-or-later
// Renders a picture the way the window shows it and answers questions about
// the pixels, in the picture's own design units.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

namespace lirem::test {

class PictureProbe {
public:
    // `box` is the size the picture is drawn at, in design units; `scale` the
    // pixels per design unit (0.8 at 96 dpi, 1.6 at 200 %).
    PictureProbe(const QString& resource, QSizeF box, double scale);

    [[nodiscard]] const QImage& image() const { return image_; }
    [[nodiscard]] QRect toPixels(QRectF designRect) const;

    // Pixels inside `designRect` (shrunk by one pixel against rounding at its edges)
    [[nodiscard]] int countDark(QRectF designRect) const;
    [[nodiscard]] int countNear(QRectF designRect, QColor colour, int tolerance) const;
    [[nodiscard]] int countTransparent(QRectF designRect) const;
    [[nodiscard]] int area(QRectF designRect) const;
    // Number of separate dark runs along a horizontal or vertical design segment.
    [[nodiscard]] int darkRunsAcross(QPointF from, QPointF to) const;
    // Design y of the first opaque pixel from the top in the column at design x; -1 if none.
    [[nodiscard]] double topOpaqueAt(double designX) const;

private:
    QImage image_;
    double scale_;
};

bool isDark(QRgb pixel);

} // namespace lirem::test
