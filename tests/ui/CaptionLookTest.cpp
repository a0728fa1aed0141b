// SPDX-License-Identifier: GPL-3.0-or-later
// The skinned caption: its buttons on the inactive caption, and on a 200 %
// screen its icon and buttons drawn for the device's pixels (the icon from its
// drawing, the buttons smoothly magnified), never pixel-doubled; ctest runs
// this on a scaled offscreen screen too (ui_tests_scale200).
#include "WindowFixture.h"
#include "skin/frame/NCObjects.h"
#include "skin/frame/WinSkinForm.h"

#include <QApplication>

#include <algorithm>

namespace lirem::ui::test {
namespace {

// Aligned 2 x 2 blocks of the rectangle whose four pixels are not all equal.
int MixedBlocks(const QImage& image, const QRect& rect) {
    int mixed = 0;
    for (int y = rect.top(); y + 1 <= rect.bottom(); y += 2) {
        for (int x = rect.left(); x + 1 <= rect.right(); x += 2) {
            const QRgb p = image.pixel(x, y);
            if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p) {
                ++mixed;
            }
        }
    }
    return mixed;
}

class CaptionTest : public WindowTest {};

TEST_F(CaptionTest, IconAndButtonsAreNotPixelDoubledOnAScaledScreen) {
    const qreal dpr = window->devicePixelRatioF();
    if (dpr != 2.0) {
        GTEST_SKIP() << "needs a 200 % screen";
    }
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QImage shot = window->grab().toImage();
    ASSERT_EQ(shot.width(), window->width() * 2);
    int checked = 0;
    for (const auto& button : window->SkinForm()->SysButtons()) {
        if (!button->Visible || button->Rect.isEmpty()) {
            continue;
        }
        const QRect device(button->Rect.topLeft() * 2, button->Rect.size() * 2);
        EXPECT_GT(MixedBlocks(shot, device), 0) << "caption button, action " << button->Action();
        ++checked;
    }
    EXPECT_EQ(checked, 3); // icon, minimise, close
}

TEST_F(CaptionTest, ButtonsOnTheInactiveCaptionShowNoActiveColour) {
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(window.get(), &deactivate);
    ASSERT_FALSE(window->SkinForm()->Active());
    const QImage shot = window->grab().toImage();
    const qreal dpr = shot.devicePixelRatio();
    // How far blue leans over red: the grey caption's own tint is the most allowed.
    const auto blueness = [](QRgb p) { return qBlue(p) - qRed(p); };
    const QRect title = window->SkinForm()->TitleTextRect();
    int caption = 0;
    for (int y = 0; y < title.bottom(); ++y) {
        for (int x = title.right() - 40; x < title.right(); ++x) {
            caption = std::max(caption, blueness(shot.pixel(QPoint(x, y) * dpr)));
        }
    }
    for (const auto& button : window->SkinForm()->SysButtons()) {
        if (!button->Visible || button->Rect.isEmpty() || button->Action() == 11) {
            continue;
        }
        const QRect r = button->Rect;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                ASSERT_LE(blueness(shot.pixel(QPoint(x, y) * dpr)), caption)
                    << "action " << button->Action() << " at " << x << "," << y;
            }
        }
    }
}

} // namespace
} // namespace lirem::ui::test
