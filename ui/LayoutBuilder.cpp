// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LayoutBuilder.h"

#include "look/Fonts.h"
#include "look/LayoutLook.h"
#include "ui/Memo.h"
#include "ui/Picture.h"
#include "ui/SpinEdit.h"
#include "ui/ValueLabel.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace lirem::ui {

namespace {

// Drop-down rows of a fixed height.
class FixedRowDelegate final : public QStyledItemDelegate {
public:
    FixedRowDelegate(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
    }

private:
    int height_;
};

void SetRoleColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
    palette.setColor(QPalette::Disabled, role, colour);
    widget->setPalette(palette);
}

QWidget* MakeLabel(const layout::ControlRow& row, const look::DesignScale& scale, QWidget* parent, bool valueBox) {
    auto* label = new ValueLabel(look::FromUtf8(row.text), parent);
    if (row.rightBound > 0) {
        // Ends before the line at the bound, whichever way the line's pixel rounds.
        label->SetRightBound(static_cast<int>(std::floor(row.rightBound * scale.Factor())));
    }
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    // Labels are opaque, in their parent's colour unless the layout gives one.
    label->setAutoFillBackground(true);
    if (row.background) {
        SetRoleColour(label, QPalette::Window, look::ToQColor(*row.background));
    }
    if (row.colour) {
        SetRoleColour(label, QPalette::WindowText, look::ToQColor(*row.colour));
    }
    if (valueBox) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
        label->setMargin(1);
        label->setAlignment(Qt::AlignCenter);
    }
    return label;
}

QWidget* MakeMemo(const layout::ControlRow& row, QWidget* parent) {
    auto* memo = new Memo(parent);
    const layout::MemoLook& look = row.memo;
    memo->setReadOnly(look.readOnly);
    if (look.readOnly) {
        // A caret, so the focus shows; arrows and Page keys move it and scroll.
        memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    memo->setTabChangesFocus(true);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setVerticalScrollBarPolicy(look.verticalScrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    if (!look.border) {
        memo->setFrameShape(QFrame::NoFrame);
    }
    if (look.buttonFaceBackground) {
        SetRoleColour(memo, QPalette::Base, memo->palette().color(QPalette::Window));
    }
    memo->setFocusPolicy(look.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    return memo;
}

QWidget* MakeWidget(const layout::ControlRow& row, const look::DesignScale& scale, QWidget* parent) {
    switch (row.kind) {
    case layout::ControlKind::Label:
        return MakeLabel(row, scale, parent, false);
    case layout::ControlKind::ValueBox:
        return MakeLabel(row, scale, parent, true);
    case layout::ControlKind::Edit: {
        auto* edit = new QLineEdit(parent);
        edit->setMaxLength(std::numeric_limits<int>::max());
        return edit;
    }
    case layout::ControlKind::SpinEdit: {
        auto* spin = new SpinEdit(row.minimum, row.maximum, row.maxLength, parent);
        spin->SetValue(look::FromUtf8(row.text).toInt());
        return spin;
    }
    case layout::ControlKind::ComboBox: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        combo->setItemDelegate(new FixedRowDelegate(scale(16), combo));
        return combo;
    }
    case layout::ControlKind::Memo:
        return MakeMemo(row, parent);
    case layout::ControlKind::GroupBox:
        return new QGroupBox(look::FromUtf8(row.text), parent);
    case layout::ControlKind::Picture:
        return new Picture(look::PicturePath(row.picture),
                           row.stretch ? PictureMode::Stretch : PictureMode::NaturalSize, scale.Factor(), parent);
    case layout::ControlKind::Button:
        return new QPushButton(look::FromUtf8(row.text), parent);
    }
    throw std::logic_error("unknown control kind");
}

bool SizesToText(layout::ControlKind kind) {
    return kind == layout::ControlKind::Label || kind == layout::ControlKind::ValueBox;
}

} // namespace

void BuildControls(const std::vector<layout::ControlRow>& layout, const look::DesignScale& scale,
                   ControlMap& controls) {
    for (const layout::ControlRow& row : layout) {
        QWidget* parent = FindControl(controls, row.parent);
        if (parent == nullptr) {
            throw std::logic_error("no parent " + row.parent + " for " + row.name);
        }
        QWidget* widget = MakeWidget(row, scale, parent);
        widget->setObjectName(QString::fromStdString(row.name));
        if (row.face != layout::FontFace::Window) {
            widget->setFont(look::MakeFont(row.face));
        }
        if (auto* label = qobject_cast<ValueLabel*>(widget); label != nullptr && SizesToText(row.kind)) {
            label->move(scale.Point(row.x, row.y));
            label->FitToText();
        } else {
            widget->setGeometry(scale.Rect(row.x, row.y, row.width, row.height));
        }
        if (row.hidden) {
            widget->hide();
        }
        controls.emplace(row.name, widget);
    }
}

namespace {

// Appends the Tab chain of one container to `chain`: its members by tab
// order, a group box contributing its own members in its place.
void CollectTabChain(const std::string& container, const std::vector<layout::ControlRow>& layout,
                     const ControlMap& controls, std::vector<QWidget*>& chain) {
    std::vector<const layout::ControlRow*> members;
    for (const layout::ControlRow& row : layout) {
        if (row.parent == container && row.tabOrder >= 0) {
            members.push_back(&row);
        }
    }
    std::stable_sort(members.begin(), members.end(), [](const layout::ControlRow* a, const layout::ControlRow* b) {
        return a->tabOrder < b->tabOrder;
    });
    for (const layout::ControlRow* row : members) {
        if (row->kind == layout::ControlKind::GroupBox) {
            CollectTabChain(row->name, layout, controls, chain);
        } else {
            chain.push_back(FindControl(controls, row->name));
        }
    }
}

} // namespace

void ApplyTabOrder(const std::vector<layout::PageRow>& pages, const std::vector<layout::ControlRow>& layout,
                   const ControlMap& controls) {
    std::vector<QWidget*> chain;
    for (const layout::PageRow& page : pages) {
        CollectTabChain(page.name, layout, controls, chain);
    }
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}

QWidget* FirstField(const std::string& page, const std::vector<layout::ControlRow>& layout,
                    const ControlMap& controls) {
    std::vector<QWidget*> chain;
    CollectTabChain(page, layout, controls, chain);
    return chain.empty() ? nullptr : chain.front();
}

} // namespace lirem::ui
