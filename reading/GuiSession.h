// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fonts and painting need a QGuiApplication. The report tool has none; it gets
// one on the offscreen platform, so printing never needs a display, and a
// fixed hash seed, so the same reading gives the same PDF bytes.

namespace lirem::reading {

// Creates the application object once if the process has none yet.
void EnsureGuiApplication();

} // namespace lirem::reading
