// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Picture.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

#include <cmath>

namespace lirem::ui {

namespace {

// The pictures are decoration behind the results, which say everything: a
// screen reader leaves them out, as it would a hidden widget.
class PictureAccessible final : public QAccessibleWidget {
public:
    explicit PictureAccessible(Picture* picture) : QAccessibleWidget(picture, QAccessible::Graphic) {}
    QString text(QAccessible::Text /*t*/) const override { return {}; }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
};

} // namespace

Picture::Picture(const QString& resource, PictureMode mode, double scale, QWidget* parent)
    : QWidget(parent), resource_(resource), mode_(mode), scale_(scale) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setFocusPolicy(Qt::NoFocus);
    QAccessible::registerAccessibleInterface(new PictureAccessible(this));
}

const QSvgRenderer& Picture::Renderer() const {
    if (!renderer_) {
        renderer_ = std::make_unique<QSvgRenderer>(resource_);
    }
    return *renderer_;
}

QRect Picture::PictureRect() const {
    if (mode_ == PictureMode::Stretch || !Renderer().isValid()) {
        return rect();
    }
    const QSize natural = Renderer().defaultSize();
    return {0, 0, static_cast<int>(std::lround(natural.width() * scale_)),
            static_cast<int>(std::lround(natural.height() * scale_))};
}

void Picture::resizeEvent(QResizeEvent* event) {
    cache_ = QPixmap();
    QWidget::resizeEvent(event);
}

void Picture::paintEvent(QPaintEvent* /*event*/) {
    if (!Renderer().isValid()) {
        return;
    }
    const QRect target = PictureRect();
    if (target.isEmpty()) {
        return;
    }
    const qreal ratio = devicePixelRatioF();
    if (cache_.isNull() || cache_.deviceIndependentSize().toSize() != target.size()) {
        // Rendered once per size; repaints only blit the pixmap.
        cache_ = QPixmap(target.size() * ratio);
        cache_.setDevicePixelRatio(ratio);
        cache_.fill(Qt::transparent);
        QPainter painter(&cache_);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer_->render(&painter, QRectF(QPointF(0, 0), QSizeF(target.size())));
    }
    QPainter painter(this);
    painter.drawPixmap(target.topLeft(), cache_);
}

} // namespace lirem::ui
