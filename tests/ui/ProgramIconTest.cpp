// SPDX-License-Identifier: GPL-3.0-or-later
// The program icon draws exactly what the toolkit's SVG icon engine draws, at
// every size a window system or the skinned caption asks for.
#include "ui/ProgramIcon.h"

#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace {

struct IconCase {
    const char* name;
    QSize size;
    QIcon::Mode mode;
};

TEST(ProgramIconTest, PixmapsMatchTheToolkitSvgEngine) {
    const QIcon ours = lirem::ui::ProgramIcon();
    const QIcon toolkit(QStringLiteral(":/icon/lirem.svg"));
    ASSERT_FALSE(ours.isNull());
    const IconCase cases[] = {
        {"caption, 96 dpi", {16, 16}, QIcon::Normal}, {"caption, 120 dpi", {20, 20}, QIcon::Normal},
        {"window list", {32, 32}, QIcon::Normal},     {"switcher", {64, 64}, QIcon::Normal},
        {"large", {128, 128}, QIcon::Normal},         {"not square", {48, 24}, QIcon::Normal},
        {"disabled", {32, 32}, QIcon::Disabled},      {"selected", {32, 32}, QIcon::Selected},
    };
    for (const IconCase& c : cases) {
        const QImage expected = toolkit.pixmap(c.size, 1.0, c.mode).toImage();
        const QImage actual = ours.pixmap(c.size, 1.0, c.mode).toImage();
        ASSERT_FALSE(actual.isNull()) << c.name;
        EXPECT_EQ(actual.size(), expected.size()) << c.name;
        EXPECT_EQ(actual.convertToFormat(QImage::Format_ARGB32), expected.convertToFormat(QImage::Format_ARGB32))
            << c.name;
        // A second request is served from the cache and is the same picture.
        EXPECT_EQ(ours.pixmap(c.size, 1.0, c.mode).toImage(), actual) << c.name;
    }
}

TEST(ProgramIconTest, IsScalableLikeAnSvgIcon) {
    const QIcon icon = lirem::ui::ProgramIcon();
    // No fixed sizes: the X11 window icon is then drawn at 16, 32, 64 and 128.
    EXPECT_TRUE(icon.availableSizes().isEmpty());
    EXPECT_EQ(icon.actualSize(QSize(40, 40)), QIcon(QStringLiteral(":/icon/lirem.svg")).actualSize(QSize(40, 40)));
    EXPECT_EQ(icon.pixmap(24).size(), QSize(24, 24));
}

} // namespace
