// SPDX-License-Identifier: GPL-3.0-or-later
// TWinSkinForm: skinning the window's own menus and attaching a skinned-control
// object to each standard control (ControlRules.h decides which).
#include "skin/frame/WinSkinForm.h"

#include "skin/frame/ControlRules.h"
#include "skin/frame/FrameHelpers.h"
#include "skin/frame/SkinMenuStyle.h"
#include "skin/frame/WinSkinMenu.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabBar>

#include <functional>

namespace lirem::skin {

namespace {

// Composite controls whose inner widgets are their own business.
bool IsLeafControl(const QWidget& w) {
    return qobject_cast<const QComboBox*>(&w) != nullptr || qobject_cast<const QAbstractSpinBox*>(&w) != nullptr ||
           qobject_cast<const QAbstractScrollArea*>(&w) != nullptr || qobject_cast<const QLineEdit*>(&w) != nullptr ||
           qobject_cast<const QAbstractButton*>(&w) != nullptr || qobject_cast<const QProgressBar*>(&w) != nullptr ||
           qobject_cast<const QTabBar*>(&w) != nullptr || qobject_cast<const QMenuBar*>(&w) != nullptr;
}

// Visits the form's controls, each level in creation order, going into
// containers and into a scroll area's content but not into composite controls,
// other windows or the menu bar. A control's children are read after it was
// visited.
void ForEachControl(QWidget& form, const std::function<void(QWidget&)>& visit) {
    std::vector<QWidget*> pending{&form};
    while (!pending.empty()) {
        QWidget* parent = pending.back();
        pending.pop_back();
        const QObjectList children = parent->children();
        // Containers are pushed in reverse so that they are walked in order too.
        std::vector<QWidget*> containers;
        for (QObject* child : children) {
            auto* w = qobject_cast<QWidget*>(child);
            if (w == nullptr || w->isWindow() || qobject_cast<QMenuBar*>(w) != nullptr)
                continue;
            visit(*w);
            if (auto* area = qobject_cast<QScrollArea*>(w); area != nullptr && area->widget() != nullptr)
                containers.push_back(area->widget());
            else if (!IsLeafControl(*w))
                containers.push_back(w);
        }
        pending.insert(pending.end(), containers.rbegin(), containers.rend());
    }
}

} // namespace

void TWinSkinForm::SkinMenus() {
    if (menuStyle_ == nullptr)
        return;
    menuStyle_->SetSkin(skinData_);
    std::unordered_set<QMenu*> done;
    const auto skinTree = [&](QMenu* root, bool mainMenu) {
        std::vector<QMenu*> pending{root};
        while (!pending.empty()) {
            QMenu* menu = pending.back();
            pending.pop_back();
            if (menu == nullptr || !done.insert(menu).second)
                continue;
            menu->setProperty(kMainMenuProperty, mainMenu);
            menu->setStyle(menuStyle_.get());
            skinnedMenus_.emplace_back(menu);
            for (QAction* action : menu->actions())
                pending.push_back(action->menu());
        }
    };
    if (menuBar_ != nullptr && menuBar_->Menu() != nullptr && skinControls_.Contains(TSkinControlType::xcMainMenu) &&
        ControlTag(*menuBar_->Menu()) % 100 != disableTag_) {
        for (QAction* action : menuBar_->Menu()->actions())
            skinTree(action->menu(), true);
    }
    if (skinControls_.Contains(TSkinControlType::xcPopupMenu)) {
        for (QMenu* menu : form_->findChildren<QMenu*>()) {
            if (!done.contains(menu) && ControlTag(*menu) % 100 != disableTag_)
                skinTree(menu, false);
        }
    }
}

void TWinSkinForm::AttachControls() {
    const QColor face = ResolveColour(skinData_->Palette().ButtonFace, QApplication::palette());
    std::unordered_set<QWidget*> done;
    ForEachControl(*form_, [&](QWidget& w) { AttachControl(w, face, done); });
}

void TWinSkinForm::AttachControl(QWidget& control, const QColor& face, std::unordered_set<QWidget*>& done) {
    if (!done.insert(&control).second || ControlTag(control) % 100 == disableTag_)
        return;
    const std::optional<ControlSkinning> skinning = ClassifyControl(control, skinControls_);
    if (!skinning)
        return;
    SkinControl(control, *skinning, face);
    if (!skinning->radioGroup)
        return;
    for (QObject* child : control.children()) {
        if (auto* radio = qobject_cast<QRadioButton*>(child); radio != nullptr && done.insert(radio).second)
            SkinControl(*radio, {SkinControlClass::RadioButton, true}, face);
    }
}

void TWinSkinForm::SkinControl(QWidget& control, const ControlSkinning& skinning, const QColor& face) {
    if (skinning.faceColour) {
        SetFaceColour(control, face);
        faceControls_.emplace_back(&control);
    }
    if (auto* status = qobject_cast<QStatusBar*>(&control);
        status != nullptr && skinning.cls == SkinControlClass::StatusBar)
        status->setSizeGripEnabled(false);
    if (!factory_)
        return;
    if (QObject* object = factory_(skinning.cls, &control, skinData_, this))
        skinnedControls_.emplace_back(object);
}

} // namespace lirem::skin
