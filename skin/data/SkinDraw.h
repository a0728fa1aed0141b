// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing primitives shared by the window frame and the skinned controls.
//
// Element images carry FrameCount equal frames; frame indexes are 1-based.
// Every copy is nearest-neighbour (no smoothing). Skin images have their
// magenta (255, 0, 255) pixels turned transparent when loaded: a "plain copy"
// writes those pixels as transparent into the target (so a translucent window
// shows through its frame corners), a "transparent" draw leaves the target
// unchanged under them. Magenta itself never reaches the screen.
#pragma once

#include <QImage>
#include <QMargins>
#include <QPainter>
#include <QRect>
#include <QRegion>
#include <QRgb>

namespace lirem::skin {

enum class FrameStrip { Horizontal, Vertical };

inline constexpr QRgb kMagenta = qRgb(255, 0, 255);

// Turns every opaque magenta pixel transparent; the result is premultiplied ARGB.
QImage KeyMagenta(const QImage& image);

// Where frame `frameIndex` (1-based, clamped to 1..frameCount) lies in the image.
QRect FrameRect(const QImage& image, FrameStrip layout, int frameCount, int frameIndex);

// Builds a target-sized image from one frame: corners at their own size, edges
// stretched, centre tiled from its top-left corner or stretched. Margins that
// do not fit the target (or the frame) in one direction are dropped in that direction.
QImage ComposeNineSlice(QSize target, const QImage& image, QMargins margins, FrameStrip layout, bool tile,
                        int frameCount, int frameIndex);

// ComposeNineSlice into `rect`, then a plain copy or a transparent draw.
// Nothing happens for a rect of negative width or height.
void DrawNineSlice(QPainter& painter, const QRect& rect, const QImage& image, FrameStrip layout, bool tile,
                   bool transparent, int frameCount, int frameIndex, QMargins margins);

// Draws the image into `rect` (stretched to it), leaving the target unchanged
// under transparent and magenta pixels.
void BlitTransparent(QPainter& painter, const QRect& rect, const QImage& image);

// A horizontal strip from one frame: left cap stretched to the full height,
// the middle block repeated (each copy stretched to the full height), the right cap at the end.
void DrawHorzStrip(QPainter& painter, const QRect& rect, const QImage& image, FrameStrip layout, bool transparent,
                   int frameCount, int frameIndex, int capLeft, int capRight);

// Copies cell `frameIndex` of width rect.width() (full image height, stretched
// to the rect height) into `rect`. The cell width is the target width.
void DrawFrameCell(QPainter& painter, const QRect& rect, const QImage& image, bool transparent, int frameIndex);

// Repeats `block` of the image from the rect's top-left corner in steps of the
// block size while the copy starts inside the rect (the last copies may reach past it).
void TileRect(QPainter& painter, const QRect& rect, const QImage& image, const QRect& block);

// The region of the pixels that are not see-through: a pixel is see-through
// when it is transparent or each channel lies in colour .. colour + tolerance.
QRegion RegionFromBitmap(const QImage& image, QRgb colour, int toleranceR, int toleranceB, int toleranceG);

} // namespace lirem::skin
