// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ProgramIcon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <memory>

namespace lirem::ui {

namespace {

class SvgIconEngine final : public QIconEngine {
public:
    explicit SvgIconEngine(std::shared_ptr<QSvgRenderer> renderer) : renderer_(std::move(renderer)) {}

    // Scalable: no fixed sizes, so window systems ask for the sizes they use.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {}; }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        QSize natural = renderer_->defaultSize();
        if (natural.isNull()) {
            return size;
        }
        natural.scale(size, Qt::KeepAspectRatio);
        return natural;
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const QSize target = actualSize(size, mode, state);
        if (!renderer_->isValid() || target.isEmpty()) {
            return {};
        }
        const QString cacheKey = QStringLiteral("lirem-icon-%1-%2x%3-%4")
                                     .arg(reinterpret_cast<quintptr>(renderer_.get()))
                                     .arg(target.width())
                                     .arg(target.height())
                                     .arg(static_cast<int>(mode));
        if (QPixmap cached; QPixmapCache::find(cacheKey, &cached)) {
            return cached;
        }
        QImage image(target, QImage::Format_ARGB32_Premultiplied);
        image.fill(0x00000000);
        QPainter painter(&image);
        renderer_->render(&painter);
        painter.end();
        QPixmap pixmap = QPixmap::fromImage(image);
        if (mode != QIcon::Normal && qobject_cast<QApplication*>(QCoreApplication::instance())) {
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        QPixmapCache::insert(cacheKey, pixmap);
        return pixmap;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap pm = pixmap(rect.size() * ratio, mode, state);
        pm.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, pm);
    }

    QString key() const override { return QStringLiteral("lirem-svg"); }
    QIconEngine* clone() const override { return new SvgIconEngine(renderer_); }
    bool isNull() override { return !renderer_->isValid(); }

private:
    std::shared_ptr<QSvgRenderer> renderer_;
};

} // namespace

QIcon ProgramIcon() {
    return QIcon(new SvgIconEngine(std::make_shared<QSvgRenderer>(QStringLiteral(":/icon/lirem.svg"))));
}

} // namespace lirem::ui
