// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's SVG pictures, parsed once per process and shared by every
// reading painted afterwards.

#include <QString>

class QSvgRenderer;

namespace lirem::reading {

// The renderer of a picture resource (":/pictures/..."); never null, but
// invalid when the resource is missing.
[[nodiscard]] QSvgRenderer& Picture(const QString& resource);

} // namespace lirem::reading
