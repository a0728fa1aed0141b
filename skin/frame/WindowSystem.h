// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window system can do for a frameless window beyond drawing it.

namespace lirem::skin {

// Whether a minimised window can come back: false on an X server without a
// window manager, where an iconify request reaches nobody and nothing would
// ever map an unmapped window again. True everywhere else.
[[nodiscard]] bool CanIconify();

} // namespace lirem::skin
