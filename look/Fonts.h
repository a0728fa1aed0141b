// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The faces of the window. "MS Sans Serif" and "Arial" are asked for by name;
// where the platform lacks them, Liberation Sans (metric-compatible) and then
// DejaVu Sans stand in.

#include "layout/FontFace.h"

#include <QFont>

namespace lirem::look {

using layout::FontFace;

// Registers the substitutes once per process; safe to call repeatedly.
void InstallFontSubstitutions();

[[nodiscard]] QFont MakeFont(FontFace face);

} // namespace lirem::look
