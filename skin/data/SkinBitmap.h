// SPDX-License-Identifier: GPL-3.0-or-later
// The plain Windows bitmaps skins are drawn in, read straight into the image
// the skin draws with.
#pragma once

#include <QImage>

#include <cstdint>
#include <span>

namespace lirem::skin {

// A bitmap of 4, 8 or 24 bits a pixel, uncompressed, with the 40-byte header
// and its rows bottom-up, complete, and every pixel naming a colour of its
// table: premultiplied ARGB with magenta pixels see-through, pixel for pixel
// what the toolkit's BMP reader and KeyMagenta make of it, without the
// reader's set-up for each picture. Any other file: a null image, for the
// toolkit's reader.
QImage ReadPlainBitmap(std::span<const std::uint8_t> file);

} // namespace lirem::skin
