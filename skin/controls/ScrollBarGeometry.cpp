// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/controls/ScrollBarGeometry.h"

#include <algorithm>
#include <cstdint>

namespace lirem::skin {

ScrollBarRects BarRects(int width, int height, int edge, int arrow, bool hasHorizontal, bool hasVertical) {
    ScrollBarRects rects;
    const int e = edge;
    const int s = arrow;
    const auto span = [](int left, int top, int right, int bottom) {
        return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    };
    if (hasHorizontal)
        rects.horizontal = span(e, height - e - s, hasVertical ? width - e - s : width - e, height - e);
    if (hasVertical)
        rects.vertical = span(width - e - s, e, width - e, hasHorizontal ? height - e - s : height - e);
    if (hasHorizontal && hasVertical)
        rects.corner = span(width - e - s, height - e - s, width - e, height - e);
    return rects;
}

ThumbGeometry ThumbOf(int barLength, int arrow, const ScrollInfo& info, int minimum, int platformThumb) {
    ThumbGeometry thumb;
    thumb.track = std::max(0, barLength - 2 * arrow);
    const std::int64_t t = thumb.track;
    const std::int64_t range = std::int64_t{info.max} - info.min + 1;
    const std::int64_t page = info.page;
    std::int64_t length = platformThumb;
    if (page > 0 && range > 0)
        length = std::max<std::int64_t>(page * t / range, minimum);
    length = std::min(length, t);
    std::int64_t offset = 0;
    if (page == range) {
        length = std::max<std::int64_t>(length - 1, 0);
    } else if (range - page > 0) {
        // A page larger than the range leaves nothing to scroll: offset 0.
        offset = (std::int64_t{info.pos} - info.min) * (t - length) / (range - page);
    }
    thumb.length = static_cast<int>(length);
    thumb.offset = static_cast<int>(std::clamp<std::int64_t>(offset, 0, std::max<std::int64_t>(t - length, 0)));
    return thumb;
}

} // namespace lirem::skin
