// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/controls/SkinScratch.h"

namespace lirem::skin {

SkinScratch::SkinScratch(QObject* parent) : QObject(parent) {}

QImage& SkinScratch::Image(QSize size) {
    const QSize need = size.expandedTo(image_.size()).expandedTo(QSize(1, 1));
    if (need != image_.size())
        image_ = QImage(need, QImage::Format_ARGB32_Premultiplied);
    return image_;
}

SkinScratch* SkinScratch::Of(QObject* owner) {
    if (owner == nullptr)
        return nullptr;
    if (auto* found = owner->findChild<SkinScratch*>(QString(), Qt::FindDirectChildrenOnly))
        return found;
    return new SkinScratch(owner);
}

} // namespace lirem::skin
