// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/frame/ControlRules.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>

namespace lirem::skin {

namespace {

constexpr char kTagProperty[] = "Tag";
constexpr int kScrollBarTag = 55;

template <class T> bool Is(const QWidget& w) {
    return qobject_cast<const T*>(&w) != nullptr;
}

// A tab widget, or a tab bar of its own (not the one inside a tab widget).
bool IsTabs(const QWidget& w) {
    return Is<QTabWidget>(w) || (Is<QTabBar>(w) && qobject_cast<const QTabWidget*>(w.parent()) == nullptr);
}

// A group box whose child widgets are all radio buttons (at least one).
bool IsRadioGroup(const QWidget& w) {
    if (!Is<QGroupBox>(w))
        return false;
    int radios = 0;
    for (const QObject* child : w.children()) {
        const auto* cw = qobject_cast<const QWidget*>(child);
        if (cw == nullptr)
            continue;
        if (!Is<QRadioButton>(*cw))
            return false;
        ++radios;
    }
    return radios > 0;
}

// A group box or a plain frame (not one of QFrame's subclasses).
bool IsPanel(const QWidget& w) {
    return Is<QGroupBox>(w) || w.metaObject() == &QFrame::staticMetaObject;
}

bool IsBitButton(const QWidget& w) {
    const auto* push = qobject_cast<const QPushButton*>(&w);
    return push != nullptr && !push->icon().isNull();
}

// Item views, text views and scroll areas, and any control tagged as a scroll bar.
bool IsScrolled(const QWidget& w) {
    return ControlTag(w) == kScrollBarTag || Is<QAbstractScrollArea>(w);
}

struct Rule {
    bool (*fits)(const QWidget&);
    TSkinControlType kind;
    ControlSkinning skinning;
};

using C = SkinControlClass;
using K = TSkinControlType;
constexpr Rule kRules[] = {
    {IsTabs, K::xcTab, {C::Tab}},
    {Is<QCheckBox>, K::xcCheckBox, {C::CheckBox, true}},
    {IsRadioGroup, K::xcRadioButton, {C::Box, true, true}},
    {IsPanel, K::xcPanel, {C::Box, true}},
    {Is<QRadioButton>, K::xcRadioButton, {C::RadioButton, true}},
    {Is<QStatusBar>, K::xcStatusBar, {C::StatusBar, true}},
    {Is<QProgressBar>, K::xcProgress, {C::Progress}},
    {Is<QComboBox>, K::xcCombo, {C::ComBox}},
    {IsBitButton, K::xcBitBtn, {C::BitButton}},
    {IsScrolled, K::xcScrollbar, {C::ScrollBar}},
    {Is<QPushButton>, K::xcButton, {C::Button}},
};

} // namespace

std::optional<ControlSkinning> ClassifyControl(const QWidget& control, TSkinControlTypes kinds) {
    for (const Rule& rule : kRules) {
        if (kinds.Contains(rule.kind) && rule.fits(control))
            return rule.skinning;
    }
    return std::nullopt;
}

int ControlTag(const QObject& object) {
    return object.property(kTagProperty).toInt();
}

} // namespace lirem::skin
