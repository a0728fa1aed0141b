// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The codes of a caption button's skin entry, named: what the button does
// (Action), which window corner its coordinates count from (Align) and when it
// shows (Visibility, Visibility1). A skin file gives them as integers; a value
// the frame does not know becomes the "do nothing" member of its enum.

#include <cstdint>

namespace lirem::skin {

// Action: 0 close, 1 or 22 maximise toggle, 2 or 23 minimise, 11 the system
// menu drawn with the window's icon, 12 the system menu with the skin's image.
enum class SysAction { Close, Maximize, Minimize, IconMenu, SystemMenu, None };

// Align: 0..3 the window's top-left, top-right, bottom-left and bottom-right
// corner; 8 left of the caption text, 9 right of it; anything else puts the
// button at the window's origin.
enum class ButtonAlign { TopLeft, TopRight, BottomLeft, BottomRight, BeforeTitle, AfterTitle, Origin };

// Visibility and Visibility1: when the button shows. 0, 6, 8, 27, 52, 53 and
// 54 always; 1 active window, 2 inactive; 3 maximised, 4 not; 13 and 14 with
// and without the help icon; 20 and 21 maximise icon; 22 and 23 minimise icon;
// anything else never.
enum class ButtonVisibility {
    Always,
    Active,
    Inactive,
    Maximized,
    NotMaximized,
    HelpIcon,
    NoHelpIcon,
    MaximizeIcon,
    NoMaximizeIcon,
    MinimizeIcon,
    NoMinimizeIcon,
    Never,
};

SysAction ToSysAction(std::int32_t code);
ButtonAlign ToButtonAlign(std::int32_t code);
ButtonVisibility ToButtonVisibility(std::int32_t code);

} // namespace lirem::skin
