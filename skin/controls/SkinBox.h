// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Panels, group boxes and radio groups: no drawing of their own; they take
// the skin's ButtonFace as their colour and a group box its caption in
// ButtonText.

#include "skin/controls/WinSubClass.h"

namespace lirem::skin {

class TSkinBox : public TSkinControl {
    Q_OBJECT
public:
    using TSkinControl::TSkinControl;
    void Attach(QWidget* control, TSkinData* skin, SkinScratch* canvas) override;

protected:
    void BeforeMessage(QEvent* event) override;
};

// Gives control the colour ButtonFace (its background and that of the
// controls inside it that do not choose their own).
void SetFaceColour(QWidget* control, const QColor& face);

} // namespace lirem::skin
