// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/data/SkinDraw.h"

#include <algorithm>
#include <vector>

namespace lirem::skin {

namespace {

constexpr QImage::Format kWorkFormat = QImage::Format_ARGB32_Premultiplied;

// Nearest-neighbour copy of `src` (clipped to the image) into `dst`.
void Stretch(QPainter& p, const QRect& dst, const QImage& image, const QRect& src) {
    if (dst.width() <= 0 || dst.height() <= 0 || src.width() <= 0 || src.height() <= 0)
        return;
    p.drawImage(QRectF(dst), image, QRectF(src));
}

QImage Blank(QSize size) {
    QImage out(size, kWorkFormat);
    out.fill(Qt::transparent);
    return out;
}

// A painter that writes the source pixels as they are, alpha included.
void BeginCopy(QPainter& p) {
    p.setCompositionMode(QPainter::CompositionMode_Source);
}

void PlainCopy(QPainter& painter, const QPoint& at, const QImage& image) {
    painter.save();
    BeginCopy(painter);
    painter.drawImage(at, image);
    painter.restore();
}

// Turns opaque magenta pixels of a work-format image transparent, in place.
void ClearKey(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == kMagenta)
                line[x] = 0;
    }
}

// Draws an image without magenta into `rect`, leaving the target under its transparent pixels.
void BlitKeyed(QPainter& painter, const QRect& rect, const QImage& keyed) {
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    Stretch(painter, rect, keyed, keyed.rect());
    painter.restore();
}

// The last step of every primitive: a plain copy or a transparent draw.
void Finish(QPainter& painter, const QRect& rect, const QImage& keyed, bool transparent) {
    if (transparent)
        BlitKeyed(painter, rect, keyed);
    else
        PlainCopy(painter, rect.topLeft(), keyed);
}

// Margins come from the skin's description: their sums are taken in a wider type.
bool Fits(int size, int first, int second) {
    return static_cast<long long>(first) + second <= size;
}

// value and base are channels (0..255); the tolerance may be any number.
bool InRange(int value, int base, int tolerance) {
    return value >= base && value - base <= tolerance;
}

} // namespace

QImage KeyMagenta(const QImage& image) {
    if (image.isNull())
        return {};
    if (image.format() == QImage::Format_Indexed8) {
        QImage src = image;
        QList<QRgb> table = src.colorTable();
        for (QRgb& c : table)
            if (c == kMagenta)
                c = 0;
        src.setColorTable(table);
        return src.convertToFormat(kWorkFormat);
    }
    QImage out = image.convertToFormat(kWorkFormat);
    ClearKey(out);
    return out;
}

QRect FrameRect(const QImage& image, FrameStrip layout, int frameCount, int frameIndex) {
    const int count = std::max(frameCount, 1);
    const int index = std::clamp(frameIndex, 1, count);
    if (layout == FrameStrip::Vertical) {
        const int fh = image.height() / count;
        return {0, (index - 1) * fh, image.width(), fh};
    }
    const int fw = image.width() / count;
    return {(index - 1) * fw, 0, fw, image.height()};
}

QImage ComposeNineSlice(QSize target, const QImage& image, QMargins margins, FrameStrip layout, bool tile,
                        int frameCount, int frameIndex) {
    const int w = target.width();
    const int h = target.height();
    if (w <= 0 || h <= 0)
        return {};
    QImage out = Blank(target);
    if (image.isNull())
        return out;

    const QRect f = FrameRect(image, layout, frameCount, frameIndex);
    const int fw = f.width();
    const int fh = f.height();
    int l = std::max(margins.left(), 0);
    int t = std::max(margins.top(), 0);
    int r = std::max(margins.right(), 0);
    int b = std::max(margins.bottom(), 0);
    // Margins that do not fit the target, or the frame itself, are dropped.
    if (!Fits(w, l, r) || !Fits(fw, l, r))
        l = r = 0;
    if (!Fits(h, t, b) || !Fits(fh, t, b))
        t = b = 0;

    QPainter p(&out);
    BeginCopy(p);
    const auto copy = [&](int dx, int dy, int dw, int dh, int sx, int sy, int sw, int sh) {
        Stretch(p, QRect(dx, dy, dw, dh), image, QRect(f.x() + sx, f.y() + sy, sw, sh));
    };
    const int cw = w - l - r; // centre of the target
    const int ch = h - t - b;
    const int bw = fw - l - r; // centre of the frame
    const int bh = fh - t - b;

    if (l > 0 && t > 0)
        copy(0, 0, l, t, 0, 0, l, t);
    if (l > 0 && b > 0)
        copy(0, h - b, l, b, 0, fh - b, l, b);
    if (r > 0 && t > 0)
        copy(w - r, 0, r, t, fw - r, 0, r, t);
    if (l > 0)
        copy(0, t, l, ch, 0, t, l, bh);
    if (t > 0)
        copy(l, 0, cw, t, l, 0, bw, t);

    if (cw > 0 && ch > 0 && bw > 0 && bh > 0) {
        if (tile) {
            const QImage block = image.copy(f.x() + l, f.y() + t, bw, bh);
            p.save();
            p.setClipRect(QRect(l, t, cw, ch));
            for (int y = t; y < h - b; y += bh)
                for (int x = l; x < w - r; x += bw)
                    p.drawImage(x, y, block);
            p.restore();
        } else {
            copy(l, t, cw, ch, l, t, bw, bh);
        }
    }

    if (r > 0)
        copy(w - r, t, r, ch, fw - r, t, r, bh);
    if (b > 0)
        copy(l, h - b, cw, b, l, fh - b, bw, b);
    if (r > 0 && b > 0)
        copy(w - r, h - b, r, b, fw - r, fh - b, r, b);
    p.end();
    ClearKey(out);
    return out;
}

void DrawNineSlice(QPainter& painter, const QRect& rect, const QImage& image, FrameStrip layout, bool tile,
                   bool transparent, int frameCount, int frameIndex, QMargins margins) {
    if (rect.width() < 0 || rect.height() < 0)
        return;
    const QImage composed = ComposeNineSlice(rect.size(), image, margins, layout, tile, frameCount, frameIndex);
    if (!composed.isNull())
        Finish(painter, rect, composed, transparent);
}

void BlitTransparent(QPainter& painter, const QRect& rect, const QImage& image) {
    if (image.isNull() || rect.width() <= 0 || rect.height() <= 0)
        return;
    BlitKeyed(painter, rect, KeyMagenta(image));
}

void DrawHorzStrip(QPainter& painter, const QRect& rect, const QImage& image, FrameStrip layout, bool transparent,
                   int frameCount, int frameIndex, int capLeft, int capRight) {
    const int w = rect.width();
    const int h = rect.height();
    if (w <= 0 || h <= 0 || image.isNull())
        return;
    const QRect f = FrameRect(image, layout, frameCount, frameIndex);
    // A cap is never wider than the frame it is cut from.
    const int l = std::clamp(capLeft, 0, f.width());
    const int r = std::clamp(capRight, 0, f.width());
    const int middle = f.width() - l - r;

    QImage strip = Blank(rect.size());
    {
        QPainter p(&strip);
        BeginCopy(p);
        Stretch(p, QRect(0, 0, l, h), image, QRect(f.x(), f.y(), l, f.height()));
        if (middle > 0)
            for (int x = l; x < w - r; x += middle)
                Stretch(p, QRect(x, 0, middle, h), image, QRect(f.x() + l, f.y(), middle, f.height()));
        Stretch(p, QRect(w - r, 0, r, h), image, QRect(f.x() + f.width() - r, f.y(), r, f.height()));
    }
    ClearKey(strip);
    Finish(painter, rect, strip, transparent);
}

void DrawFrameCell(QPainter& painter, const QRect& rect, const QImage& image, bool transparent, int frameIndex) {
    const int w = rect.width();
    const int h = rect.height();
    if (w <= 0 || h <= 0 || image.isNull())
        return;
    // The cell is as wide as the target; only its part inside the image is copied.
    const long long left = (static_cast<long long>(frameIndex) - 1) * w;
    if (left < 0 || left >= image.width())
        return Finish(painter, rect, Blank(rect.size()), transparent);
    const QRect wanted(static_cast<int>(left), 0, w, image.height());
    const QRect src = wanted.intersected(image.rect());
    QImage cell = Blank(rect.size());
    if (!src.isEmpty()) {
        QPainter p(&cell);
        BeginCopy(p);
        Stretch(p, QRect(src.x() - wanted.x(), 0, src.width(), h), image, src);
    }
    ClearKey(cell);
    Finish(painter, rect, cell, transparent);
}

void TileRect(QPainter& painter, const QRect& rect, const QImage& image, const QRect& block) {
    if (block.width() <= 0 || block.height() <= 0 || image.isNull() || !painter.isActive())
        return;
    const QImage piece = image.copy(block);
    // Copies wholly before or past the painted device cannot show: they are skipped.
    const QRect area =
        painter.transform().inverted().mapRect(QRect(0, 0, painter.device()->width(), painter.device()->height()));
    const auto first = [](long long start, long long from, long long step) {
        return start < from ? start + (from - start) / step * step : start;
    };
    const long long right = std::min<long long>(static_cast<long long>(rect.left()) + rect.width(),
                                                static_cast<long long>(area.left()) + area.width());
    const long long bottom = std::min<long long>(static_cast<long long>(rect.top()) + rect.height(),
                                                 static_cast<long long>(area.top()) + area.height());
    painter.save();
    BeginCopy(painter);
    for (long long y = first(rect.top(), area.top(), block.height()); y < bottom; y += block.height())
        for (long long x = first(rect.left(), area.left(), block.width()); x < right; x += block.width())
            painter.drawImage(static_cast<int>(x), static_cast<int>(y), piece);
    painter.restore();
}

QRegion RegionFromBitmap(const QImage& image, QRgb colour, int toleranceR, int toleranceB, int toleranceG) {
    if (image.isNull())
        return {};
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    const int r0 = qRed(colour);
    const int g0 = qGreen(colour);
    const int b0 = qBlue(colour);
    const auto seeThrough = [&](QRgb px) {
        return qAlpha(px) == 0 || (InRange(qRed(px), r0, toleranceR) && InRange(qGreen(px), g0, toleranceG) &&
                                   InRange(qBlue(px), b0, toleranceB));
    };

    std::vector<QRect> rects;
    rects.reserve(static_cast<std::size_t>(img.height()) * 2);
    const int width = img.width();
    const int height = img.height();
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        int x = 0;
        while (x < width) {
            while (x < width && seeThrough(line[x]))
                ++x;
            const int start = x;
            while (x < width && !seeThrough(line[x]))
                ++x;
            if (x > start)
                rects.emplace_back(start, y, x - start, 1);
        }
    }
    QRegion region;
    if (!rects.empty())
        region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

} // namespace lirem::skin
