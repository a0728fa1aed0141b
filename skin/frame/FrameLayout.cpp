// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/frame/FrameLayout.h"

#include <algorithm>

namespace lirem::skin {

bool SysButtonCondition(ButtonVisibility visibility, const SysButtonContext& c) {
    switch (visibility) {
    case ButtonVisibility::Always:
        return true;
    case ButtonVisibility::Active:
        return c.active;
    case ButtonVisibility::Inactive:
        return !c.active;
    case ButtonVisibility::Maximized:
        return c.maximized;
    case ButtonVisibility::NotMaximized:
        return !c.maximized;
    case ButtonVisibility::HelpIcon:
        return c.icons.help;
    case ButtonVisibility::NoHelpIcon:
        return !c.icons.help;
    case ButtonVisibility::MaximizeIcon:
        return c.icons.maximize;
    case ButtonVisibility::NoMaximizeIcon:
        return !c.icons.maximize;
    case ButtonVisibility::MinimizeIcon:
        return c.icons.minimize;
    case ButtonVisibility::NoMinimizeIcon:
        return !c.icons.minimize;
    case ButtonVisibility::Never:
        return false;
    }
    return false;
}

bool IsSysButtonVisible(ButtonVisibility visibility, ButtonVisibility visibility1, SysAction action,
                        const SysButtonContext& c) {
    bool visible = SysButtonCondition(visibility, c) && SysButtonCondition(visibility1, c);
    if (action == SysAction::Maximize && !c.icons.maximize)
        visible = false;
    if (action == SysAction::Minimize && !c.icons.minimize)
        visible = false;
    return visible;
}

QPoint SysButtonPosition(ButtonAlign align, int x, int y, QSize window, QSize button, const QRect& titleText) {
    const int w = window.width();
    const int h = window.height();
    switch (align) {
    case ButtonAlign::TopLeft:
        return {x, y};
    case ButtonAlign::TopRight:
        return {w - x, y};
    case ButtonAlign::BottomLeft:
        return {x, h - y};
    case ButtonAlign::BottomRight:
        return {w - x, h - y};
    case ButtonAlign::BeforeTitle:
        return {titleText.left() - button.width() - x, y};
    case ButtonAlign::AfterTitle:
        return {titleText.left() + titleText.width() + x, y};
    case ButtonAlign::Origin:
        break;
    }
    return {0, 0};
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

} // namespace lirem::skin
