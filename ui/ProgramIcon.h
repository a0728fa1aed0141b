// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program icon, drawn from its SVG at whatever size is asked for.

#include <QIcon>

namespace lirem::ui {

// The icon of :/icon/lirem.svg. Unlike QIcon(file), it needs no icon engine
// plugin and reads the drawing once, however many sizes are drawn; the sizes
// asked for at start-up come drawn by the build (ui/IconRaster.h). Pixmaps
// look exactly as the toolkit's SVG icon engine draws them.
QIcon ProgramIcon();

} // namespace lirem::ui
