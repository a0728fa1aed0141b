// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/frame/FrameLayout.h"

#include <algorithm>

namespace skin {

bool SysButtonCondition(int visibility, const SysButtonContext& c) {
    switch (visibility) {
    case 0:
    case 6:
    case 8:
    case 27:
    case 52:
    case 53:
    case 54:
        return true;
    case 1:
        return c.active;
    case 2:
        return !c.active;
    case 3:
        return c.maximized;
    case 4:
        return !c.maximized;
    case 13:
        return c.icons.help;
    case 14:
        return !c.icons.help;
    case 20:
        return c.icons.maximize;
    case 21:
        return !c.icons.maximize;
    case 22:
        return c.icons.minimize;
    case 23:
        return !c.icons.minimize;
    default:
        return false;
    }
}

bool IsSysButtonVisible(int visibility, int visibility1, int action, const SysButtonContext& c) {
    bool visible = SysButtonCondition(visibility, c) && SysButtonCondition(visibility1, c);
    if ((action == 1 || action == 22) && !c.icons.maximize)
        visible = false;
    if ((action == 2 || action == 23) && !c.icons.minimize)
        visible = false;
    return visible;
}

QPoint SysButtonPosition(int align, int x, int y, QSize window, QSize button, const QRect& titleText) {
    const int w = window.width();
    const int h = window.height();
    switch (align) {
    case 0:
        return {x, y};
    case 1:
        return {w - x, y};
    case 2:
        return {x, h - y};
    case 3:
        return {w - x, h - y};
    case 8:
        return {titleText.left() - button.width() - x, y};
    case 9:
        return {titleText.left() + titleText.width() + x, y};
    default:
        return {0, 0};
    }
}

QRect TitleTextRect(const TitleTextInput& in) {
    const int areaWidth = in.area.width();
    const int blockWidth = in.extent.width() + in.backLeft + in.backRight;
    int dx = in.shift;
    if (in.alignment == 1)
        dx = (areaWidth - blockWidth) / 2;
    else if (in.alignment == 2)
        dx = areaWidth - blockWidth + in.rightClip;
    const int dy = (in.titleHeight - in.extent.height()) / 2 + in.shiftVert / 2;

    const int left = in.area.left() + dx;
    const int top = in.area.top() + dy;
    const int areaRight = in.area.left() + areaWidth; // exclusive right end
    const int right = std::min(left + blockWidth, areaRight - in.rightClip);
    return QRect(QPoint(left, top), QSize(std::max(0, right - left), in.extent.height()));
}

int BorderFrameIndex(bool active, int frameCount) {
    return (active || frameCount <= 1) ? 1 : 2;
}

int SysButtonFrameIndex(int state, bool active, int frameCount) {
    if (state == 2 || state == 3)
        return std::min(state, std::max(frameCount, 1));
    return (active || frameCount < 4) ? 1 : 4;
}

} // namespace skin
