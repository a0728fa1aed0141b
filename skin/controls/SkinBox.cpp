// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/controls/SkinBox.h"

#include <QEvent>
#include <QGroupBox>

namespace lirem::skin {

void SetFaceColour(QWidget* control, const QColor& face) {
    if (control == nullptr || !face.isValid())
        return;
    QPalette palette = control->palette();
    if (palette.color(QPalette::Window) != face) {
        palette.setColor(QPalette::Window, face);
        control->setPalette(palette);
    }
    control->setAutoFillBackground(true);
}

void TSkinBox::Attach(QWidget* control, TSkinData* skin, SkinScratch* canvas) {
    TSkinControl::Attach(control, skin, canvas);
    SetFaceColour(control, Look().buttonFace);
}

void TSkinBox::BeforeMessage(QEvent* event) {
    if (event->type() != QEvent::Paint || qobject_cast<QGroupBox*>(Control()) == nullptr)
        return;
    // The caption colour is the box's text colour, which the controls inside
    // it inherit unless they have their own.
    const QColor text = Look().buttonText;
    QWidget* box = Control();
    if (text.isValid() && box->palette().color(QPalette::WindowText) != text) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::WindowText, text);
        box->setPalette(palette);
    }
}

} // namespace lirem::skin
