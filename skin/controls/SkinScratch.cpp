// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/controls/SkinScratch.h"

namespace skin {

TSkinScratch::TSkinScratch(QObject* parent) : QObject(parent) {}

QImage& TSkinScratch::Image(QSize size) {
    const QSize need = size.expandedTo(image_.size()).expandedTo(QSize(1, 1));
    if (need != image_.size())
        image_ = QImage(need, QImage::Format_ARGB32_Premultiplied);
    return image_;
}

TSkinScratch* TSkinScratch::Of(QObject* owner) {
    if (owner == nullptr)
        return nullptr;
    if (auto* found = owner->findChild<TSkinScratch*>(QString(), Qt::FindDirectChildrenOnly))
        return found;
    return new TSkinScratch(owner);
}

} // namespace skin
