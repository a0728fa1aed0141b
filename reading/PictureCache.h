// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's SVG pictures, parsed once per process and shared by every
// reading painted afterwards. Each picture is also recorded once per box it
// fills, so that a reading replays the recorded drawing instead of walking
// the SVG document (and laying out its texts) again.

#include <QRectF>
#include <QString>

class QPainter;
class QSvgRenderer;

namespace lirem::reading {

// The renderer of a picture resource (":/pictures/..."); never null, but
// invalid when the resource is missing.
[[nodiscard]] QSvgRenderer& Picture(const QString& resource);

// Draws the picture into `box` as QSvgRenderer::render would; nothing for a
// missing resource.
void DrawPicture(QPainter& painter, const QString& resource, const QRectF& box);

} // namespace lirem::reading
