// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the skin drawing primitives with the numbers a skin's
// description controls taken as they come (margins, caps, frame counts and
// indexes, tolerances: any 32-bit value) on a small fuzzed image. Target sizes
// stay those of a window.
#include "skin/data/SkinDraw.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

using namespace lirem::skin;

void Check(bool condition) {
    if (!condition)
        std::abort();
}

constexpr int kCanvas = 48;

QImage FuzzedImage(FuzzedDataProvider& in) {
    const int w = in.ConsumeIntegralInRange(0, 24);
    const int h = in.ConsumeIntegralInRange(0, 24);
    const bool indexed = in.ConsumeBool();
    QImage image(w, h, indexed ? QImage::Format_Indexed8 : QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    if (indexed) {
        image.setColorTable({kMagenta, qRgb(10, 20, 30), qRgba(0, 0, 0, 0), qRgb(255, 0, 254)});
        image.fill(0);
    }
    for (int y = 0; y < h && in.remaining_bytes() > 0; ++y)
        for (int x = 0; x < w; ++x) {
            const auto v = in.ConsumeIntegral<std::uint8_t>();
            if (indexed)
                image.setPixel(x, y, v % 4u);
            else
                image.setPixel(x, y, v < 64 ? kMagenta : qRgba(v, 255 - v, v / 2, v & 0x80 ? 255 : v));
        }
    return image;
}

QRect FuzzedRect(FuzzedDataProvider& in) {
    const int x = in.ConsumeIntegralInRange(-64, 64);
    const int y = in.ConsumeIntegralInRange(-64, 64);
    return {x, y, in.ConsumeIntegralInRange(-8, 96), in.ConsumeIntegralInRange(-8, 96)};
}

// Opaque magenta never reaches the screen.
bool WithoutKey(const QImage& image) {
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == kMagenta)
                return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const int primitive = in.ConsumeIntegralInRange(0, 7);
    const auto layout = in.ConsumeBool() ? FrameStrip::Vertical : FrameStrip::Horizontal;
    const bool flag = in.ConsumeBool();
    const int frameCount = in.ConsumeIntegral<int>();
    const int frameIndex = in.ConsumeIntegral<int>();
    const QMargins margins{in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>(),
                           in.ConsumeIntegral<int>()};
    const QRect rect = FuzzedRect(in);
    const QImage image = FuzzedImage(in);

    QImage canvas(kCanvas, kCanvas, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(qRgb(1, 2, 3));
    QPainter painter(&canvas);
    switch (primitive) {
    case 0: {
        const QImage out = ComposeNineSlice(rect.size(), image, margins, layout, flag, frameCount, frameIndex);
        Check(out.isNull() == (rect.width() <= 0 || rect.height() <= 0));
        Check(out.isNull() || (out.size() == rect.size() && WithoutKey(out)));
        break;
    }
    case 1:
        DrawNineSlice(painter, rect, image, layout, flag, in.ConsumeBool(), frameCount, frameIndex, margins);
        break;
    case 2:
        BlitTransparent(painter, rect, image);
        break;
    case 3:
        DrawHorzStrip(painter, rect, image, layout, flag, frameCount, frameIndex, margins.left(), margins.right());
        break;
    case 4:
        DrawFrameCell(painter, rect, image, flag, frameIndex);
        break;
    case 5: {
        const QRect block(in.ConsumeIntegralInRange(-4, 28), in.ConsumeIntegralInRange(-4, 28),
                          in.ConsumeIntegralInRange(-4, 28), in.ConsumeIntegralInRange(-4, 28));
        // Loaded images have their key turned transparent already.
        TileRect(painter, flag ? rect : QRect(-1000000, -1000000, 2000000, 2000000), KeyMagenta(image), block);
        break;
    }
    case 6: {
        const QRegion region =
            RegionFromBitmap(image, in.ConsumeIntegral<QRgb>(), margins.left(), margins.top(), margins.right());
        Check(image.rect().contains(region.boundingRect()) || region.isEmpty());
        break;
    }
    default: {
        const QRect frame = FrameRect(image, layout, frameCount, frameIndex);
        Check(frame.isEmpty() || image.rect().contains(frame));
        Check(KeyMagenta(image).isNull() == image.isNull());
        Check(WithoutKey(KeyMagenta(image)));
        break;
    }
    }
    painter.end();
    Check(WithoutKey(canvas));
    return 0;
}
