// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The faces of the window's texts, by their place in the design.

namespace lirem::layout {

enum class FontFace {
    Window,     // MS Sans Serif 8 pt
    WindowBold, // MS Sans Serif 8 pt bold
    Arial9,     // Arial 9 pt bold
    Arial10,    // Arial 10 pt bold
    Arial12,    // Arial 12 pt bold
    Arial14,    // Arial 14 pt bold
};

} // namespace lirem::layout
