// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/PictureCache.h"

#include <QHash>
#include <QSvgRenderer>

#include <memory>

namespace lirem::reading {

QSvgRenderer& Picture(const QString& resource) {
    static QHash<QString, std::shared_ptr<QSvgRenderer>> cache;
    auto it = cache.find(resource);
    if (it == cache.end())
        it = cache.insert(resource, std::make_shared<QSvgRenderer>(resource));
    return **it;
}

} // namespace lirem::reading
