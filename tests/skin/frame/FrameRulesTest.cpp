// SPDX-License-Identifier: GPL-3.0-or-later
// The frame's two decision tables on their own: the left button's caption
// state machine and the control rules' flags.

#include "skin/frame/CaptionMouse.h"
#include "skin/frame/ControlRules.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStatusBar>

#include <gtest/gtest.h>

namespace lirem::skin {
namespace {

TEST(CaptionTransitionTest, LeftButtonThroughTheCaption) {
    using S = CaptionState;
    using I = CaptionInput;
    using E = CaptionEffect;
    struct Case {
        S state;
        I input;
        CaptionStep step;
    };
    const Case cases[] = {
        {S::Idle, I::PressOnObject, {S::PressedOnButton, E::PressObject}},
        {S::Idle, I::PressOnCaption, {S::MovePending, E::None}},
        {S::Idle, I::DoubleClickOnCaption, {S::Idle, E::ToggleMaximize}},
        {S::Idle, I::DragMove, {S::Idle, E::None}},
        {S::Idle, I::LeftRelease, {S::Idle, E::None}},
        {S::PressedOnButton, I::Move, {S::PressedOnButton, E::None}},
        {S::PressedOnButton, I::DragMove, {S::PressedOnButton, E::None}},
        {S::PressedOnButton, I::LeftRelease, {S::Idle, E::ReleaseObject}},
        {S::MovePending, I::DragMove, {S::Moving, E::StartMove}},
        {S::MovePending, I::Move, {S::Idle, E::None}},
        {S::MovePending, I::LeftRelease, {S::Idle, E::None}},
        {S::Moving, I::DragMove, {S::Moving, E::None}},
        {S::Moving, I::Move, {S::Idle, E::None}},
        {S::Moving, I::LeftRelease, {S::Idle, E::None}},
        {S::Moving, I::PressOnCaption, {S::MovePending, E::None}},
        // Without a window manager the frame moves the window itself, until the release.
        {S::Moving, I::SystemMoveRefused, {S::MovingByHand, E::MoveByHand}},
        {S::MovingByHand, I::DragMove, {S::MovingByHand, E::MoveByHand}},
        {S::MovingByHand, I::Move, {S::Idle, E::None}},
        {S::MovingByHand, I::LeftRelease, {S::Idle, E::None}},
        {S::MovePending, I::SystemMoveRefused, {S::MovePending, E::None}},
        {S::Idle, I::SystemMoveRefused, {S::Idle, E::None}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CaptionTransition(c.state, c.input), c.step)
            << static_cast<int>(c.state) << " + " << static_cast<int>(c.input);
    }
}

// The flags that come with a rule; which class each control gets is
// AttachControlsTest's business.
TEST(ClassifyControlTest, FaceColourAndRadioGroup) {
    QWidget form;
    auto* radios = new QGroupBox(&form);
    new QRadioButton(radios);
    auto* mixed = new QGroupBox(&form);
    new QCheckBox(mixed);
    using C = SkinControlClass;
    struct Case {
        const char* name;
        const QWidget* control;
        std::optional<ControlSkinning> expected;
    };
    const Case cases[] = {
        {"radio group", radios, ControlSkinning{C::Box, true, true}},
        {"group box", mixed, ControlSkinning{C::Box, true, false}},
        {"check box", new QCheckBox(&form), ControlSkinning{C::CheckBox, true, false}},
        {"status bar", new QStatusBar(&form), ControlSkinning{C::StatusBar, true, false}},
        {"label", new QLabel(&form), std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyControl(*c.control, TSkinControlTypes::All()), c.expected) << c.name;
}

} // namespace
} // namespace lirem::skin
