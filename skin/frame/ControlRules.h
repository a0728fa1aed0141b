// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which skinned-control object a standard control gets, decided from the
// control alone: the rules are tried in order and the first one that fits the
// control and whose kind is switched on wins.

#include "skin/data/SkinControlClass.h"
#include "skin/data/SkinControlTypes.h"

#include <optional>

class QObject;
class QWidget;

namespace lirem::skin {

struct ControlSkinning {
    SkinControlClass cls = SkinControlClass::Button;
    bool faceColour = false; // takes the skin's face colour as its background
    bool radioGroup = false; // a group box of radio buttons: each of them gets a RadioButton object too
    bool operator==(const ControlSkinning&) const = default;
};

// Nothing when no rule fits.
std::optional<ControlSkinning> ClassifyControl(const QWidget& control, TSkinControlTypes kinds);

// The control's "Tag" property (0 when it has none); a scroll-bar rule and the
// frame's DisableTag look at it.
int ControlTag(const QObject& object);

} // namespace lirem::skin
