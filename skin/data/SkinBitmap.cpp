// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/data/SkinBitmap.h"

#include "skin/data/SkinDraw.h"

#include <array>

namespace lirem::skin {

namespace {

constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kInfoHeader = 40;
constexpr std::int64_t kMostPixels = std::int64_t{1} << 26;

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t U16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

// The colour a pixel shows in the skin: opaque, or nothing where magenta.
QRgb Keyed(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    const QRgb colour = qRgb(red, green, blue);
    return colour == kMagenta ? 0 : colour;
}

} // namespace

QImage ReadPlainBitmap(std::span<const std::uint8_t> file) {
    if (file.size() < kFileHeader + kInfoHeader || file[0] != 'B' || file[1] != 'M' ||
        U32(file, kFileHeader) != kInfoHeader)
        return {};
    const auto width = static_cast<std::int32_t>(U32(file, 18));
    const auto height = static_cast<std::int32_t>(U32(file, 22));
    const unsigned bits = U16(file, 28);
    if (U16(file, 26) != 1 || U32(file, 30) != 0 || (bits != 4 && bits != 8 && bits != 24) || width <= 0 ||
        height <= 0 || std::int64_t{width} * height > kMostPixels)
        return {};
    const std::uint32_t used = U32(file, 46);
    const std::uint32_t colours = bits == 24 ? 0 : (used != 0 ? used : 1U << bits);
    if (bits != 24 && colours > (1U << bits))
        return {};
    const std::size_t tableEnd = kFileHeader + kInfoHeader + 4 * std::size_t{colours};
    const std::size_t start = U32(file, 10);
    const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
    const auto w = static_cast<std::size_t>(width);
    const auto h = static_cast<std::size_t>(height);
    // The pixels start where the header says, never inside the colour table.
    if (start < tableEnd || start > file.size() || (file.size() - start) / stride < h)
        return {};

    std::array<QRgb, 256> table{};
    for (std::size_t i = 0; i < colours; ++i) {
        const std::size_t at = kFileHeader + kInfoHeader + 4 * i;
        table[i] = Keyed(file[at + 2], file[at + 1], file[at]);
    }
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    for (std::size_t y = 0; y < h; ++y) {
        const std::uint8_t* row = file.data() + start + (h - 1 - y) * stride;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
        for (std::size_t x = 0; x < w; ++x) {
            if (bits == 24) {
                out[x] = Keyed(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
                continue;
            }
            const unsigned index = bits == 8 ? row[x] : (x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0FU);
            // A pixel beyond the table is the toolkit's business.
            if (index >= colours)
                return {};
            out[x] = table[index];
        }
    }
    return image;
}

} // namespace lirem::skin
