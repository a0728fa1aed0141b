// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/frame/CaptionMouse.h"

namespace lirem::skin {

CaptionStep CaptionTransition(CaptionState state, CaptionInput input) {
    switch (input) {
    case CaptionInput::PressOnObject:
        return {CaptionState::PressedOnButton, CaptionEffect::PressObject};
    case CaptionInput::PressOnCaption:
        return {CaptionState::MovePending, CaptionEffect::None};
    case CaptionInput::DoubleClickOnCaption:
        return {state, CaptionEffect::ToggleMaximize};
    case CaptionInput::Move:
        // A pending move is given up; a held button stays pressed (it acts on release).
        return {state == CaptionState::PressedOnButton ? state : CaptionState::Idle, CaptionEffect::None};
    case CaptionInput::DragMove:
        // The move starts on the first move, so that the release and double clicks still arrive.
        if (state == CaptionState::MovePending)
            return {CaptionState::Moving, CaptionEffect::StartMove};
        if (state == CaptionState::MovingByHand)
            return {state, CaptionEffect::MoveByHand};
        return {state, CaptionEffect::None};
    case CaptionInput::SystemMoveRefused:
        if (state == CaptionState::Moving)
            return {CaptionState::MovingByHand, CaptionEffect::MoveByHand};
        return {state, CaptionEffect::None};
    case CaptionInput::LeftRelease:
        return {CaptionState::Idle,
                state == CaptionState::PressedOnButton ? CaptionEffect::ReleaseObject : CaptionEffect::None};
    }
    return {state, CaptionEffect::None};
}

} // namespace lirem::skin
