// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's skinned frame on another top-level window of the program (a
// dialog, a message box): the same skin, frame, fonts and colours as the
// main window.

class QWidget;

namespace lirem::skin {
class TSkinData;
class TWinSkinForm;
} // namespace lirem::skin

namespace lirem::ui {

// Gives window its own frame over the shared skin; the frame is a Qt child of
// the window. Without skin data the window keeps its platform frame.
skin::TWinSkinForm* AttachSkin(QWidget& window, skin::TSkinData* skin);

} // namespace lirem::ui
