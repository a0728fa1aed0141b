// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the left mouse button is doing in a skinned window's frame, as a state
// machine without a window: pressed on a caption button or menu bar item,
// pressed on the bare caption and waiting for the first move, or moving the
// window through the window system, or by hand where it cannot. The frame feeds it the left button's
// events and carries out the effect of each step.

namespace lirem::skin {

enum class CaptionState {
    Idle,
    PressedOnButton, // a caption button or menu bar item took the press
    MovePending,     // pressed on the bare caption, not moved yet
    Moving,          // the window system moves the window
    MovingByHand,    // the window system refused the move: the frame follows the mouse
};

enum class CaptionInput {
    PressOnObject,        // left press (or double click) on a caption button or menu bar item
    PressOnCaption,       // left press on the bare caption
    DoubleClickOnCaption, // left double click on the bare caption
    Move,                 // a move without the left button, or one the window system cannot take over
    DragMove,             // a move with the left button held, the window system can move the window
    LeftRelease,
    SystemMoveRefused, // the window system cannot move the window (X11 without a window manager)
};

enum class CaptionEffect {
    None,
    PressObject,    // the object under the mouse takes the press
    ToggleMaximize, // maximise, or restore a maximised window
    StartMove,      // hand the window to the window system to move
    ReleaseObject,  // the pressed object may act (when the release is over it)
    MoveByHand,     // move the window by as much as the mouse moved since the press
};

struct CaptionStep {
    CaptionState next = CaptionState::Idle;
    CaptionEffect effect = CaptionEffect::None;
    bool operator==(const CaptionStep&) const = default;
};

CaptionStep CaptionTransition(CaptionState state, CaptionInput input);

} // namespace lirem::skin
