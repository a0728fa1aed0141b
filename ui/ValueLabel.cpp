// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ValueLabel.h"

#include "ui/AccessibleRect.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QPixmap>
#include <QStyle>

namespace lirem::ui {

namespace {

class ValueLabelAccessible final : public QAccessibleWidget {
public:
    explicit ValueLabelAccessible(ValueLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        const auto* label = static_cast<const ValueLabel*>(widget());
        const bool named = !label->accessibleName().isEmpty();
        switch (t) {
        case QAccessible::Name:
            return label->Spoken();
        case QAccessible::Value:
            return named && !label->IsSilent() && !label->IsSaidByText() ? label->text() : QString();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QRect rect() const override { return DeviceRect(widget()); }
};

} // namespace

ValueLabel::ValueLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    // Registered here rather than through a factory: the toolkit may already
    // have looked the label up while it was still being built as a plain label.
    QAccessible::registerAccessibleInterface(new ValueLabelAccessible(this));
}

QString ValueLabel::Spoken() const {
    if (silent_) {
        return {};
    }
    if (speech_) {
        return speech_();
    }
    if (saidByText_) {
        return text();
    }
    return accessibleName().isEmpty() ? text() : accessibleName();
}

void ValueLabel::SetSaidByText() {
    saidByText_ = true;
    // A label with an accessible name of its own sends no event when its text
    // changes; the name itself is not what is said.
    setAccessibleName(QStringLiteral("-"));
}

// The size QLabel's hint gives one line of plain text, from one layout of the
// text where the hint lays it out three times (for the size and the two
// bounds of its minimum). Anything else goes the toolkit's way.
QSize ValueLabel::OneLineSize() const {
    const QString& content = text();
    const Qt::Alignment align = alignment();
    constexpr Qt::Alignment kEdges = Qt::AlignLeft | Qt::AlignRight | Qt::AlignTop | Qt::AlignBottom;
    const bool indented = indent() >= 0 || (frameWidth() != 0 && (align & kEdges) != 0);
    if (textFormat() != Qt::PlainText || wordWrap() || indented || !pixmap().isNull() || buddy() != nullptr ||
        content.contains(u'\n')) {
        return {};
    }
    const int flags =
        static_cast<int>(QStyle::visualAlignment(content.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight, align) &
                         ~(Qt::AlignVCenter | Qt::AlignHCenter));
    const int extra = 2 * margin();
    const QMargins margins = contentsMargins();
    const int marginWidth = margins.left() + margins.right();
    const QRect box = fontMetrics().boundingRect(0, 0, 2000 - (extra + marginWidth), 2000, flags, content);
    return QSize(box.width() + extra + marginWidth, box.height() + extra + margins.top() + margins.bottom())
        .expandedTo(minimumSize());
}

void ValueLabel::FitToText() {
    ensurePolished();
    if (const QSize size = OneLineSize(); size.isValid()) {
        resize(size);
    } else {
        adjustSize();
    }
    if (rightBound_ > 0 && x() + width() > rightBound_) {
        move(rightBound_ - width(), y());
    }
}

} // namespace lirem::ui
