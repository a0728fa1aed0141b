// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/controls/SkinProgress.h"

#include <QPainter>
#include <QProgressBar>

#include <algorithm>
#include <cstdint>

namespace lirem::skin {

namespace {
constexpr int kProgressFrames = 2;
} // namespace

int ProgressFill(int width, int minimum, int maximum, int value) {
    const std::int64_t range = std::int64_t{maximum} - minimum;
    if (range <= 0 || width <= 0)
        return 0;
    const std::int64_t filled = (std::int64_t{value} - minimum) * width / range;
    return static_cast<int>(std::clamp<std::int64_t>(filled, 0, width));
}

void TSkinProgress::PaintSkin(QPainter& painter, const QRect& rect) {
    const ControlLook look = Look();
    const auto* bar = qobject_cast<const QProgressBar*>(Control());
    if (!look.progress.Usable() || bar == nullptr || bar->orientation() != Qt::Horizontal)
        return;
    const auto part = [&](QSize size, int frame) -> const QPixmap& {
        const ComposedCache::Key key{look.progress.image->cacheKey(), size, kProgressFrames, frame, 0, 0};
        return parts_.Get(
            key, [&] { return QPixmap::fromImage(ComposeElement(look.progress, size, kProgressFrames, frame)); });
    };
    // See-through pixels of the element leave the control's own drawing.
    painter.drawPixmap(rect.topLeft(), part(rect.size(), 1));
    const int filled = ProgressFill(rect.width(), bar->minimum(), bar->maximum(), bar->value());
    if (filled > 0)
        painter.drawPixmap(rect.topLeft(), part(QSize(filled, rect.height()), 2));
}

} // namespace lirem::skin
