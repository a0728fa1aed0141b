// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SkinnedWindow.h"

#include "layout/FontFace.h"
#include "look/Fonts.h"
#include "skin/controls/WinSubClass.h"
#include "skin/frame/WinSkinForm.h"

#include <QWidget>

namespace lirem::ui {

skin::TWinSkinForm* AttachSkin(QWidget& window, skin::TSkinData* skin) {
    // The main window's face and palette, also when the window has no parent.
    window.setAttribute(Qt::WA_WindowPropagation);
    window.setFont(look::MakeFont(layout::FontFace::Window));
    if (skin == nullptr)
        return nullptr;
    auto* frame = new skin::TWinSkinForm(&window);
    frame->SetSkinData(skin);
    frame->SetControlFactory(&skin::CreateSkinControl);
    frame->Loaded();
    return frame;
}

} // namespace lirem::ui
