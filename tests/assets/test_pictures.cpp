// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture loads, has the proportions of its stated extent and draws
// something that fills its box; the icon renders exist at every size.
#include "tests/assets/PictureProbe.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace lirem::test {
namespace {

constexpr double kPpi = 120.0;

struct PictureCase {
    const char* resource;
    QSizeF extent;       // the picture's own extent at 120 ppi
    QSizeF box;          // the box it is shown in; equal to the extent for natural size
    double minHeightUse; // part of the box height the drawing must reach over
};

const PictureCase kPictures[] = {
    {":/pictures/strannik.svg", {210 / 25.4 * kPpi, 297 / 25.4 * kPpi}, {225, 297}, 0.9},
    {":/pictures/path.svg", {5.11 * kPpi, 3.16 * kPpi}, {209, 129}, 0.95},
    {":/pictures/blocks.svg", {9.515 * kPpi, 0.916 * kPpi}, {369, 41}, 0.5},
    {":/pictures/etalon.svg", {135, 135}, {135, 135}, 0.95},
    {":/pictures/digitgrid.svg", {135, 135}, {135, 135}, 0.95},
    {":/pictures/pinnacles.svg", {4.638 * kPpi, 1.224 * kPpi}, {617, 135}, 0.9},
    {":/pictures/periods.svg", {5.036 * kPpi, 0.257 * kPpi}, {625, 41}, 0.85},
    {":/pictures/grid.svg", {287, 240}, {287, 240}, 0.95},
};

void PrintTo(const PictureCase& c, std::ostream* os) {
    *os << c.resource;
}

class PictureTest : public ::testing::TestWithParam<PictureCase> {};

TEST_P(PictureTest, LoadsWithTheProportionsOfItsExtent) {
    const PictureCase& c = GetParam();
    QSvgRenderer svg{QString(c.resource)};
    ASSERT_TRUE(svg.isValid());
    const QSize size = svg.defaultSize();
    EXPECT_NEAR(size.width(), c.extent.width(), 1.0);
    EXPECT_NEAR(size.height(), c.extent.height(), 1.0);
}

TEST_P(PictureTest, FillsItsBoxAtBothScales) {
    const PictureCase& c = GetParam();
    for (double scale : {0.8, 1.6}) {
        const PictureProbe probe(c.resource, c.box, scale);
        const QImage& img = probe.image();
        QRect used;
        int opaque = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (qAlpha(img.pixel(x, y)) > 0) {
                    ++opaque;
                    used |= QRect(x, y, 1, 1);
                }
        SCOPED_TRACE(testing::Message() << c.resource << " at " << scale);
        EXPECT_GT(opaque, img.width() * img.height() / 50);
        EXPECT_GE(used.width(), img.width() * 0.95);
        EXPECT_GE(used.height(), img.height() * c.minHeightUse);
    }
}

std::string baseName(const char* resource) {
    const std::string path(resource);
    return path.substr(path.rfind('/') + 1, path.rfind('.') - path.rfind('/') - 1);
}

// The renderer does not clip to the picture's box, so the drawing itself must stay inside it.
TEST_P(PictureTest, DrawsNothingOutsideItsBox) {
    const PictureCase& c = GetParam();
    constexpr int kMargin = 20;
    const QSize box = c.box.toSize();
    QImage image(box + QSize(2 * kMargin, 2 * kMargin), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QSvgRenderer svg{QString(c.resource)};
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter, QRectF(QPointF(kMargin, kMargin), QSizeF(box)));
    }
    const QRect allowed = QRect(QPoint(kMargin, kMargin), box).adjusted(-1, -1, 1, 1);
    int outside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            outside += (!allowed.contains(x, y) && qAlpha(image.pixel(x, y)) > 0) ? 1 : 0;
    EXPECT_EQ(outside, 0);
}

INSTANTIATE_TEST_SUITE_P(All, PictureTest, ::testing::ValuesIn(kPictures),
                         [](const auto& testCase) { return baseName(testCase.param.resource); });

struct IconCase {
    int size;
};

void PrintTo(const IconCase& c, std::ostream* os) {
    *os << c.size << " px";
}

class IconTest : public ::testing::TestWithParam<IconCase> {};

// A dark purple sphere in the middle, orange star points, see-through corners.
TEST_P(IconTest, RenderShowsSphereStarAndClearCorners) {
    const int n = GetParam().size;
    const QImage icon = QImage(QString(":/icon/lirem-%1.png").arg(n)).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icon.size(), QSize(n, n));
    const QRgb centre = icon.pixel(n / 2, n / 2 + n / 8);
    EXPECT_GT(qBlue(centre), qGreen(centre) + 20);
    EXPECT_LT(qGray(centre), 110);
    const QRgb point = icon.pixel(n / 2, n / 8);
    EXPECT_GT(qRed(point), 200);
    EXPECT_GT(qGreen(point), 90);
    EXPECT_LT(qBlue(point), 120);
    for (QPoint corner : {QPoint(0, 0), QPoint(n - 1, 0), QPoint(0, n - 1), QPoint(n - 1, n - 1)})
        EXPECT_EQ(qAlpha(icon.pixel(corner)), 0);
}

INSTANTIATE_TEST_SUITE_P(AllSizes, IconTest,
                         ::testing::Values(IconCase{24}, IconCase{32}, IconCase{48}, IconCase{64}, IconCase{128},
                                           IconCase{256}),
                         [](const auto& testCase) { return std::to_string(testCase.param.size) + "px"; });

TEST(IconSource, IsSquareVectorDrawing) {
    QSvgRenderer svg(QString(":/icon/lirem.svg"));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.defaultSize().width(), svg.defaultSize().height());
}

} // namespace
} // namespace lirem::test
