// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ProgramIcon.h"

#include "ui/IconRaster.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QResource>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <memory>

namespace lirem::ui {

namespace {

// The icon as the build drew it at this size (assets/iconraster), or nothing.
QImage DrawnAtBuild(QSize size) {
    if (size.width() != size.height()) {
        return {};
    }
    const QResource drawn(QStringLiteral(":/icon/raster/lirem-%1.rgba").arg(size.width()));
    const qint64 bytes = 4LL * size.width() * size.height();
    if (!drawn.isValid() || drawn.compressionAlgorithm() != QResource::NoCompression || drawn.size() != bytes) {
        return {};
    }
    return QImage(drawn.data(), size.width(), size.height(), QImage::Format_RGBA8888_Premultiplied)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

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
        // The start-up sizes were drawn by the build, with the same code.
        QImage image = DrawnAtBuild(target);
        if (image.isNull()) {
            image = RenderIcon(*renderer_, target);
        }
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
