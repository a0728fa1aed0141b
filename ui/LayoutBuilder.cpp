// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LayoutBuilder.h"

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

QColor ToColor(engine::Rgb rgb) {
    return {rgb.r, rgb.g, rgb.b};
}

void SetRoleColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
    palette.setColor(QPalette::Disabled, role, colour);
    widget->setPalette(palette);
}

QWidget* MakeLabel(const ControlRow& row, const DesignScale& scale, QWidget* parent, bool valueBox) {
    auto* label = new ValueLabel(row.text, parent);
    if (row.rightBound > 0) {
        // Ends before the line at the bound, whichever way the line's pixel rounds.
        label->SetRightBound(static_cast<int>(std::floor(row.rightBound * scale.Factor())));
    }
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    // Labels are opaque, in their parent's colour unless the layout gives one.
    label->setAutoFillBackground(true);
    if (row.background) {
        SetRoleColour(label, QPalette::Window, ToColor(*row.background));
    }
    if (row.colour) {
        SetRoleColour(label, QPalette::WindowText, ToColor(*row.colour));
    }
    if (valueBox) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
        label->setMargin(1);
        label->setAlignment(Qt::AlignCenter);
    }
    return label;
}

QWidget* MakeMemo(const ControlRow& row, QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    const MemoLook& look = row.memo;
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

QWidget* MakeWidget(const ControlRow& row, const DesignScale& scale, QWidget* parent) {
    switch (row.kind) {
    case ControlKind::Label:
        return MakeLabel(row, scale, parent, false);
    case ControlKind::ValueBox:
        return MakeLabel(row, scale, parent, true);
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(parent);
        edit->setMaxLength(std::numeric_limits<int>::max());
        return edit;
    }
    case ControlKind::SpinEdit: {
        auto* spin = new SpinEdit(row.minimum, row.maximum, row.maxLength, parent);
        spin->SetValue(row.text.toInt());
        return spin;
    }
    case ControlKind::ComboBox: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        combo->setItemDelegate(new FixedRowDelegate(scale(16), combo));
        return combo;
    }
    case ControlKind::Memo:
        return MakeMemo(row, parent);
    case ControlKind::GroupBox:
        return new QGroupBox(row.text, parent);
    case ControlKind::Picture:
        return new Picture(row.picture, row.stretch ? PictureMode::Stretch : PictureMode::NaturalSize, scale.Factor(),
                           parent);
    case ControlKind::Button:
        return new QPushButton(row.text, parent);
    }
    throw std::logic_error("unknown control kind");
}

bool SizesToText(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::ValueBox;
}

} // namespace

void BuildControls(const std::vector<ControlRow>& layout, const DesignScale& scale, ControlMap& controls) {
    for (const ControlRow& row : layout) {
        QWidget* parent = FindControl(controls, row.parent);
        if (parent == nullptr) {
            throw std::logic_error("no parent " + row.parent + " for " + row.name);
        }
        QWidget* widget = MakeWidget(row, scale, parent);
        widget->setObjectName(QString::fromStdString(row.name));
        if (row.face != FontFace::Window) {
            widget->setFont(MakeFont(row.face));
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
void CollectTabChain(const std::string& container, const std::vector<ControlRow>& layout, const ControlMap& controls,
                     std::vector<QWidget*>& chain) {
    std::vector<const ControlRow*> members;
    for (const ControlRow& row : layout) {
        if (row.parent == container && row.tabOrder >= 0) {
            members.push_back(&row);
        }
    }
    std::stable_sort(members.begin(), members.end(),
                     [](const ControlRow* a, const ControlRow* b) { return a->tabOrder < b->tabOrder; });
    for (const ControlRow* row : members) {
        if (row->kind == ControlKind::GroupBox) {
            CollectTabChain(row->name, layout, controls, chain);
        } else {
            chain.push_back(FindControl(controls, row->name));
        }
    }
}

} // namespace

void ApplyTabOrder(const std::vector<PageRow>& pages, const std::vector<ControlRow>& layout,
                   const ControlMap& controls) {
    std::vector<QWidget*> chain;
    for (const PageRow& page : pages) {
        CollectTabChain(page.name, layout, controls, chain);
    }
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}

QWidget* FirstField(const std::string& page, const std::vector<ControlRow>& layout, const ControlMap& controls) {
    std::vector<QWidget*> chain;
    CollectTabChain(page, layout, controls, chain);
    return chain.empty() ? nullptr : chain.front();
}

} // namespace lirem::ui
