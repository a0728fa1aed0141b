// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The faces of the window. "MS Sans Serif" and "Arial" are asked for by name;
// where the platform lacks them, Liberation Sans (metric-compatible) and then
// DejaVu Sans stand in.

#include <QFont>

namespace lirem::ui {

enum class FontFace {
    Window,     // MS Sans Serif 8 pt
    WindowBold, // MS Sans Serif 8 pt bold
    Arial9,     // Arial 9 pt bold
    Arial10,    // Arial 10 pt bold
    Arial12,    // Arial 12 pt bold
    Arial14,    // Arial 14 pt bold
};

// Registers the substitutes once per process; safe to call repeatedly.
void InstallFontSubstitutions();

[[nodiscard]] QFont MakeFont(FontFace face);

} // namespace lirem::ui
