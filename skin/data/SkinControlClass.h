// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ten kinds of skinned-control object that the window frame attaches to
// the standard controls of a skinned form.

#include <functional>

class QObject;
class QWidget;

namespace lirem::skin {

class TSkinData;

enum class SkinControlClass {
    Button,
    BitButton,
    CheckBox,
    RadioButton,
    Box,
    StatusBar,
    Tab,
    Progress,
    ComBox,
    ScrollBar,
};

// Creates the skinned-control object of the given class, attached to the
// control and owned (as a Qt child) by owner. Returns nullptr when no object
// is made. The window frame calls it from AttachControls.
using SkinControlFactory = std::function<QObject*(SkinControlClass, QWidget* control, TSkinData* data, QObject* owner)>;

} // namespace lirem::skin
