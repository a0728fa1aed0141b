// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/assets/PictureProbe.h"

#include <QPainter>
#include <QSvgRenderer>

#include <cmath>
#include <cstdlib>

namespace lirem::test {

bool isDark(QRgb pixel) {
    return qAlpha(pixel) > 160 && qGray(pixel) < 110;
}

PictureProbe::PictureProbe(const QString& resource, QSizeF box, double scale) : scale_(scale) {
    const QSize pixels(static_cast<int>(std::lround(box.width() * scale)),
                       static_cast<int>(std::lround(box.height() * scale)));
    image_ = QImage(pixels, QImage::Format_ARGB32);
    image_.fill(Qt::transparent);
    QSvgRenderer svg(resource);
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
}

QRect PictureProbe::toPixels(QRectF r) const {
    const int left = static_cast<int>(std::floor(r.left() * scale_)) + 1;
    const int top = static_cast<int>(std::floor(r.top() * scale_)) + 1;
    const int right = static_cast<int>(std::ceil(r.right() * scale_)) - 2;
    const int bottom = static_cast<int>(std::ceil(r.bottom() * scale_)) - 2;
    return QRect(QPoint(left, top), QPoint(right, bottom)).intersected(image_.rect());
}

namespace {

template <typename Pred> int countIn(const QImage& image, QRect r, Pred pred) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += pred(image.pixel(x, y)) ? 1 : 0;
    return n;
}

} // namespace

int PictureProbe::countDark(QRectF r) const {
    return countIn(image_, toPixels(r), isDark);
}

int PictureProbe::countNear(QRectF r, QColor c, int tol) const {
    return countIn(image_, toPixels(r), [&](QRgb p) {
        return qAlpha(p) == 255 && std::abs(qRed(p) - c.red()) <= tol && std::abs(qGreen(p) - c.green()) <= tol &&
               std::abs(qBlue(p) - c.blue()) <= tol;
    });
}

int PictureProbe::countTransparent(QRectF r) const {
    return countIn(image_, toPixels(r), [](QRgb p) { return qAlpha(p) == 0; });
}

int PictureProbe::area(QRectF r) const {
    const QRect px = toPixels(r);
    return px.isEmpty() ? 0 : px.width() * px.height();
}

int PictureProbe::darkRunsAcross(QPointF from, QPointF to) const {
    const QPoint a(static_cast<int>(from.x() * scale_), static_cast<int>(from.y() * scale_));
    const QPoint b(static_cast<int>(to.x() * scale_), static_cast<int>(to.y() * scale_));
    const QPoint step(b.x() > a.x() ? 1 : 0, b.y() > a.y() ? 1 : 0);
    int runs = 0;
    bool inRun = false;
    for (QPoint p = a; image_.rect().contains(p) && (p.x() <= b.x() && p.y() <= b.y()); p += step) {
        const bool dark = isDark(image_.pixel(p));
        runs += (dark && !inRun) ? 1 : 0;
        inRun = dark;
        if (step.isNull())
            break;
    }
    return runs;
}

double PictureProbe::topOpaqueAt(double designX) const {
    const int x = static_cast<int>(designX * scale_);
    for (int y = 0; y < image_.height(); ++y) {
        if (qAlpha(image_.pixel(x, y)) > 128)
            return y / scale_;
    }
    return -1;
}

} // namespace lirem::test
