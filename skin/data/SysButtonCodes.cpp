// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/data/SysButtonCodes.h"

namespace lirem::skin {

SysAction ToSysAction(std::int32_t code) {
    switch (code) {
    case 0:
        return SysAction::Close;
    case 1:
    case 22:
        return SysAction::Maximize;
    case 2:
    case 23:
        return SysAction::Minimize;
    case 11:
        return SysAction::IconMenu;
    case 12:
        return SysAction::SystemMenu;
    default:
        return SysAction::None;
    }
}

ButtonAlign ToButtonAlign(std::int32_t code) {
    switch (code) {
    case 0:
        return ButtonAlign::TopLeft;
    case 1:
        return ButtonAlign::TopRight;
    case 2:
        return ButtonAlign::BottomLeft;
    case 3:
        return ButtonAlign::BottomRight;
    case 8:
        return ButtonAlign::BeforeTitle;
    case 9:
        return ButtonAlign::AfterTitle;
    default:
        return ButtonAlign::Origin;
    }
}

ButtonVisibility ToButtonVisibility(std::int32_t code) {
    switch (code) {
    case 0:
    case 6:
    case 8:
    case 27:
    case 52:
    case 53:
    case 54:
        return ButtonVisibility::Always;
    case 1:
        return ButtonVisibility::Active;
    case 2:
        return ButtonVisibility::Inactive;
    case 3:
        return ButtonVisibility::Maximized;
    case 4:
        return ButtonVisibility::NotMaximized;
    case 13:
        return ButtonVisibility::HelpIcon;
    case 14:
        return ButtonVisibility::NoHelpIcon;
    case 20:
        return ButtonVisibility::MaximizeIcon;
    case 21:
        return ButtonVisibility::NoMaximizeIcon;
    case 22:
        return ButtonVisibility::MinimizeIcon;
    case 23:
        return ButtonVisibility::NoMinimizeIcon;
    default:
        return ButtonVisibility::Never;
    }
}

} // namespace lirem::skin
