// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ValueLabel.h"

#include "ui/AccessibleRect.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QFontMetrics>
#include <QPixmap>
#include <QStyle>

#include <algorithm>

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

// Whether the label's look lets OneLineSize size it to the text.
bool ValueLabel::IsOneLine(const QString& content) const {
    constexpr Qt::Alignment kEdges = Qt::AlignLeft | Qt::AlignRight | Qt::AlignTop | Qt::AlignBottom;
    const bool indented = indent() >= 0 || (frameWidth() != 0 && (alignment() & kEdges) != 0);
    return textFormat() == Qt::PlainText && !wordWrap() && !indented && pixmap().isNull() && buddy() == nullptr &&
           !content.contains(u'\n');
}

// The size QLabel's hint gives one line of plain text, from one layout of the
// text where the hint lays it out three times (for the size and the two
// bounds of its minimum). Anything else goes the toolkit's way.
QSize ValueLabel::OneLineSize(const QString& content) const {
    if (!IsOneLine(content)) {
        return {};
    }
    const Qt::Alignment align = alignment();
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
    // Only what a label shows is sized; a page not shown sizes its labels
    // when it is. A text that needs the toolkit's sizing is sized at once.
    if (!isVisibleTo(window()) && IsOneLine(text())) {
        // Counts as sized: shown at last, a label never sized would be
        // sized by the toolkit first, for nothing.
        setAttribute(Qt::WA_Resized);
        fitPending_ = true;
        if (rightBound_ > 0) {
            boundTexts_.insert(text());
            // Texts given out of sight are few; a page never shown measures
            // them now and then so that they never pile up.
            constexpr qsizetype kMostBoundTexts = 64;
            if (boundTexts_.size() > kMostBoundTexts) {
                MeasureBoundTexts();
            }
        }
        return;
    }
    Fit();
}

void ValueLabel::FitIfPending() {
    if (fitPending_) {
        Fit();
    }
}

bool ValueLabel::event(QEvent* event) {
    // Shown on screen, or shown itself while its page is in sight.
    if (fitPending_ &&
        (event->type() == QEvent::Show || (event->type() == QEvent::ShowToParent && isVisibleTo(window())))) {
        Fit();
    }
    return QLabel::event(event);
}

// A label moved left by a long text stays there: each text it was given
// leaves it at most its bound less that text's width from the left, so the
// widest text given out of sight is all that matters, in whatever order.
void ValueLabel::MeasureBoundTexts() {
    ensurePolished();
    for (const QString& passed : std::as_const(boundTexts_)) {
        if (const QSize size = OneLineSize(passed); size.isValid()) {
            widestBoundText_ = std::max(widestBoundText_, size.width());
        }
    }
    boundTexts_.clear();
}

void ValueLabel::Fit() {
    ensurePolished();
    MeasureBoundTexts();
    if (widestBoundText_ > 0) {
        KeepLeftOfBound(widestBoundText_);
    }
    widestBoundText_ = 0;
    fitPending_ = false;
    if (const QSize size = OneLineSize(text()); size.isValid()) {
        resize(size);
    } else {
        adjustSize();
    }
    KeepLeftOfBound(width());
}

void ValueLabel::KeepLeftOfBound(int width) {
    if (rightBound_ > 0 && x() + width > rightBound_) {
        move(rightBound_ - width, y());
    }
}

void FitShownLabels(const QWidget& page) {
    for (ValueLabel* label : page.findChildren<ValueLabel*>()) {
        label->FitIfPending();
    }
}

} // namespace lirem::ui
