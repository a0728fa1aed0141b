#include "ui/LayoutBuilder.h"

#include "ui/Picture.h"
#include "ui/SpinEdit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyledItemDelegate>

#include <algorithm>
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

QColor ToColor(lirem::Rgb rgb) {
    return {rgb.r, rgb.g, rgb.b};
}

void SetRoleColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
    palette.setColor(QPalette::Disabled, role, colour);
    widget->setPalette(palette);
}

QWidget* MakeLabel(const ControlSpec& spec, QWidget* parent, bool valueBox) {
    auto* label = new QLabel(spec.text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    // Labels are opaque, in their parent's colour unless the layout gives one.
    label->setAutoFillBackground(true);
    if (spec.background) {
        SetRoleColour(label, QPalette::Window, ToColor(*spec.background));
    }
    if (spec.colour) {
        SetRoleColour(label, QPalette::WindowText, ToColor(*spec.colour));
    }
    if (valueBox) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
        label->setMargin(1);
        label->setAlignment(Qt::AlignCenter);
    }
    return label;
}

QWidget* MakeMemo(const ControlSpec& spec, QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    const MemoLook& look = spec.memo;
    memo->setReadOnly(look.readOnly);
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

QWidget* MakeWidget(const ControlSpec& spec, const DesignScale& scale, QWidget* parent) {
    switch (spec.kind) {
    case ControlKind::Label:
        return MakeLabel(spec, parent, false);
    case ControlKind::ValueBox:
        return MakeLabel(spec, parent, true);
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(parent);
        edit->setMaxLength(std::numeric_limits<int>::max());
        return edit;
    }
    case ControlKind::SpinEdit: {
        auto* spin = new TSpinEdit(spec.minimum, spec.maximum, spec.maxLength, parent);
        spin->SetValue(spec.text.toInt());
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
        return MakeMemo(spec, parent);
    case ControlKind::GroupBox:
        return new QGroupBox(spec.text, parent);
    case ControlKind::Picture:
        return new TPicture(spec.picture, spec.stretch ? PictureMode::Stretch : PictureMode::NaturalSize,
                            scale.Factor(), parent);
    case ControlKind::Button:
        return new QPushButton(spec.text, parent);
    }
    throw std::logic_error("unknown control kind");
}

bool SizesToText(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::ValueBox;
}

} // namespace

void BuildControls(const std::vector<ControlSpec>& specs, const DesignScale& scale, ControlMap& controls) {
    for (const ControlSpec& spec : specs) {
        QWidget* parent = FindControl(controls, spec.parent);
        if (parent == nullptr) {
            throw std::logic_error("no parent " + spec.parent + " for " + spec.name);
        }
        QWidget* widget = MakeWidget(spec, scale, parent);
        widget->setObjectName(QString::fromStdString(spec.name));
        if (spec.face != FontFace::Window) {
            widget->setFont(MakeFont(spec.face));
        }
        if (SizesToText(spec.kind)) {
            widget->move(scale.Point(spec.x, spec.y));
            widget->adjustSize();
        } else {
            widget->setGeometry(scale.Rect(spec.x, spec.y, spec.width, spec.height));
        }
        if (spec.hidden) {
            widget->hide();
        }
        controls.emplace(spec.name, widget);
    }
}

void ApplyTabOrder(const std::vector<PageSpec>& pages, const std::vector<ControlSpec>& specs,
                   const ControlMap& controls) {
    // Appends the focus chain of one container to `chain`.
    auto collect = [&](auto&& self, const std::string& container, std::vector<QWidget*>& chain) -> void {
        std::vector<const ControlSpec*> members;
        for (const ControlSpec& spec : specs) {
            if (spec.parent == container && spec.tabOrder >= 0) {
                members.push_back(&spec);
            }
        }
        std::stable_sort(members.begin(), members.end(),
                         [](const ControlSpec* a, const ControlSpec* b) { return a->tabOrder < b->tabOrder; });
        for (const ControlSpec* spec : members) {
            if (spec->kind == ControlKind::GroupBox) {
                self(self, spec->name, chain);
            } else {
                chain.push_back(FindControl(controls, spec->name));
            }
        }
    };
    std::vector<QWidget*> chain;
    for (const PageSpec& page : pages) {
        collect(collect, page.name, chain);
    }
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}

} // namespace lirem::ui
