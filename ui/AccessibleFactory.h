// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Accessible interfaces the toolkit's own do not give on Linux: the main
// window as a frame (the toolkit reports a plain widget as a filler), and a
// editable combo box named by its caption (the toolkit names it by its
// current text).

namespace lirem::ui {

// Installs the factory once; later calls do nothing.
void InstallAccessibleFactory();

} // namespace lirem::ui
