// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A shown, active window holding the controls of one test, with the skin and
// the skin component (the owner of the skinned-control objects).

#include "TestSkin.h"

#include "skin/controls/WinSubClass.h"

#include <QImage>
#include <QObject>
#include <QWidget>

#include <memory>

namespace lirem::skin::test {

class Harness {
public:
    explicit Harness(std::unique_ptr<skin::TSkinData> data = MakeTestSkin());

    QWidget& Window() { return window_; }
    skin::TSkinData& Data() { return *data_; }
    QObject& Owner() { return *owner_; }

    // Places control in the window at rect and skins it as kind.
    template <typename Control> Control* Add(skin::SkinControlClass kind, const QRect& rect, Control* control) {
        control->setParent(&window_);
        control->setGeometry(rect);
        control->show();
        skinned_ = skin::CreateSkinControl(kind, control, data_.get(), owner_.get());
        return control;
    }
    QObject* Skinned() const { return skinned_; }

    // Shows the window and makes it the active one.
    void Show();
    // The control as it looks now.
    static QImage Shot(QWidget& control);

private:
    std::unique_ptr<skin::TSkinData> data_;
    QWidget window_;
    std::unique_ptr<QObject> owner_ = std::make_unique<QObject>();
    QObject* skinned_ = nullptr;
};

// Colours of the pixels of image inside rect that are not `except`.
QList<QRgb> ColoursBut(const QImage& image, const QRect& rect, QRgb except);

} // namespace lirem::skin::test
