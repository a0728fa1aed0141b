// SPDX-License-Identifier: GPL-3.0-or-later
// The drawings fit the labels that the page layout places on them: grid lines
// run between the count labels and never through them, the numbers on the
// pictures stand on plain areas of their own background colour, and the hills
// rise under the numbers they carry.
#include "tests/assets/PictureProbe.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <ostream>
#include <vector>

namespace lirem::test {
namespace {

const std::array<double, 2> kScales{0.8, 1.6};

// ---- 3 x 3 count grids ---------------------------------------------------

struct GridCase {
    const char* name;
    const char* resource;
    QPointF picture;             // page position of the picture
    std::array<double, 3> lefts; // page positions of the count labels
    std::array<double, 3> tops;
};

constexpr QSizeF kGrid(135, 135);
constexpr QSizeF kCount(26, 27); // a two-digit count label

const GridCase kGrids[] = {
    {"spectrum", ":/pictures/digitgrid.svg", {49, 44}, {65, 110, 154}, {53, 98, 141}},
    {"etalon", ":/pictures/etalon.svg", {216, 44}, {233, 278, 322}, {54, 98, 142}},
    {"misc", ":/pictures/digitgrid.svg", {49, 122}, {65, 110, 154}, {131, 176, 219}},
};

void PrintTo(const GridCase& g, std::ostream* os) {
    *os << g.name;
}

class CountGridTest : public ::testing::TestWithParam<GridCase> {};

TEST_P(CountGridTest, LinesRunBetweenTheCountLabels) {
    const GridCase& g = GetParam();
    for (double scale : kScales) {
        const PictureProbe probe(g.resource, kGrid, scale);
        auto label = [&](std::size_t col, std::size_t row) {
            return QRectF(QPointF(g.lefts[col], g.tops[row]) - g.picture, kCount);
        };
        for (std::size_t d = 0; d < 9; ++d) {
            SCOPED_TRACE(testing::Message() << g.name << " digit " << d + 1 << " at " << scale);
            const QRectF r = label(d % 3, d / 3);
            EXPECT_EQ(probe.countDark(r), 0);
            // one line (or the frame) to the right of the label and one below it
            const double nextLeft = d % 3 < 2 ? label(d % 3 + 1, 0).left() : kGrid.width() - 0.1;
            EXPECT_EQ(probe.darkRunsAcross({r.right(), r.center().y()}, {nextLeft, r.center().y()}), 1);
            const double nextTop = d / 3 < 2 ? label(0, d / 3 + 1).top() : kGrid.height() - 0.1;
            EXPECT_EQ(probe.darkRunsAcross({r.center().x(), r.bottom()}, {r.center().x(), nextTop}), 1);
            if (d % 3 == 0) {
                EXPECT_EQ(probe.darkRunsAcross({0, r.center().y()}, {r.left(), r.center().y()}), 1);
            }
            if (d / 3 == 0) {
                EXPECT_EQ(probe.darkRunsAcross({r.center().x(), 0}, {r.center().x(), r.top()}), 1);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllGrids, CountGridTest, ::testing::ValuesIn(kGrids),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

// ---- calendar grid -------------------------------------------------------

constexpr QPointF kCalendar(340, 50);
constexpr QSizeF kCalendarSize(287, 240);
constexpr std::array<double, 7> kDayLeft{348, 389, 430, 471, 511, 552, 593};
constexpr std::array<double, 7> kDateLeft{365, 406, 447, 487, 528, 569, 610};
constexpr std::array<double, 6> kDayTop{53, 93, 133, 172, 212, 253};
constexpr std::array<double, 6> kDateTop{72, 112, 151, 190, 230, 271};
constexpr QSizeF kDayLabel(11, 24);  // one digit, Arial 12 bold
constexpr QSizeF kDateLabel(15, 16); // two digits, 8 pt

struct CalendarCell {
    QRectF day;
    QRectF date;
};

CalendarCell cell(std::size_t k) {
    const std::size_t r = k / 7;
    const std::size_t c = k % 7;
    const double shift = r == 5 ? 1 : 0; // the last row stands one unit further right
    return {QRectF(QPointF(kDayLeft[c] + shift, kDayTop[r]) - kCalendar, kDayLabel),
            QRectF(QPointF(kDateLeft[c] + shift, kDateTop[r]) - kCalendar, kDateLabel)};
}

TEST(CalendarGrid, BothLabelsOfEveryCellStandInsideOneCell) {
    for (double scale : kScales) {
        const PictureProbe probe(":/pictures/grid.svg", kCalendarSize, scale);
        for (std::size_t k = 0; k < 37; ++k) {
            SCOPED_TRACE(testing::Message() << "cell " << k + 1 << " at " << scale);
            const CalendarCell c = cell(k);
            EXPECT_EQ(probe.countDark(c.day), 0);
            EXPECT_EQ(probe.countDark(c.date), 0);
            // no line between the big number and the date of the same cell
            EXPECT_EQ(probe.darkRunsAcross(c.day.bottomRight(), {c.date.center().x(), c.day.bottom()}), 0);
            EXPECT_EQ(
                probe.darkRunsAcross({c.date.center().x(), c.day.center().y()}, {c.date.center().x(), c.date.top()}),
                0);
        }
    }
}

TEST(CalendarGrid, OneLineSeparatesNeighbouringCells) {
    for (double scale : kScales) {
        const PictureProbe probe(":/pictures/grid.svg", kCalendarSize, scale);
        for (std::size_t k = 0; k < 37; ++k) {
            SCOPED_TRACE(testing::Message() << "cell " << k + 1 << " at " << scale);
            const CalendarCell c = cell(k);
            const double y = c.day.center().y();
            // right: where the next column's number stands, or the right frame
            const double nextLeft =
                k % 7 < 6 ? c.day.left() + kDayLeft[k % 7 + 1] - kDayLeft[k % 7] : kCalendarSize.width() - 0.1;
            EXPECT_EQ(probe.darkRunsAcross({c.date.right(), y}, {nextLeft, y}), 1);
            // below: where the next row's number stands, or the bottom frame
            const double x = c.day.center().x();
            const double nextTop = k / 7 < 5 ? kDayTop[k / 7 + 1] - kCalendar.y() : kCalendarSize.height() - 0.1;
            EXPECT_EQ(probe.darkRunsAcross({x, c.date.bottom()}, {x, nextTop}), 1);
        }
        // the frame left of the first column and above the first row
        EXPECT_EQ(probe.darkRunsAcross({0, cell(0).day.center().y()}, {cell(0).day.left(), cell(0).day.center().y()}),
                  1);
        EXPECT_EQ(probe.darkRunsAcross({cell(0).day.center().x(), 0}, {cell(0).day.center().x(), cell(0).day.top()}),
                  1);
    }
}

// ---- numbers standing on the pictures ------------------------------------

struct ZoneCase {
    const char* name;
    const char* resource;
    QSizeF box;
    QRectF zone;   // where the label stands, relative to the picture; two digits wide
    QColor ground; // the label's own background colour; invalid for see-through
};

const ZoneCase kZones[] = {
    {"speech_bubble", ":/pictures/strannik.svg", {225, 297}, {176, 12, 26, 27}, QColor(255, 255, 255)},
    {"coat", ":/pictures/strannik.svg", {225, 297}, {120, 116, 26, 27}, QColor(192, 192, 192)},
    {"bundle", ":/pictures/strannik.svg", {225, 297}, {40, 84, 26, 27}, QColor(192, 220, 192)},
    {"mountain", ":/pictures/path.svg", {209, 129}, {96, 92, 26, 27}, QColor(128, 0, 128)},
    {"above_second_block", ":/pictures/blocks.svg", {369, 41}, {88, 0, 26, 9}, QColor()},
};

void PrintTo(const ZoneCase& z, std::ostream* os) {
    *os << z.name;
}

class ZoneTest : public ::testing::TestWithParam<ZoneCase> {};

TEST_P(ZoneTest, LabelStandsOnPlainGroundOfItsColour) {
    const ZoneCase& z = GetParam();
    for (double scale : kScales) {
        SCOPED_TRACE(testing::Message() << "at " << scale);
        const PictureProbe probe(z.resource, z.box, scale);
        ASSERT_GT(probe.area(z.zone), 0);
        if (z.ground.isValid()) {
            EXPECT_EQ(probe.countNear(z.zone, z.ground, 3), probe.area(z.zone));
        } else {
            EXPECT_EQ(probe.countTransparent(z.zone), probe.area(z.zone));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(NumbersOnPictures, ZoneTest, ::testing::ValuesIn(kZones),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

// The Birthday number stands on top of the second block: the block rises to the
// digits' baseline (the label's top is 12 units above the picture, the baseline
// of Arial 14 bold about 21 units below that), and what the label's lower part
// covers is the block's top in the label's own colour, so no seam shows.
TEST(Blocks, SecondBlockCarriesTheBirthdayNumber) {
    for (double scale : kScales) {
        SCOPED_TRACE(testing::Message() << "at " << scale);
        const PictureProbe probe(":/pictures/blocks.svg", {369, 41}, scale);
        for (double x = 89; x < 113; x += 4) {
            EXPECT_LE(probe.topOpaqueAt(x), 10.5) << "x " << x;
        }
        EXPECT_EQ(probe.countNear({88, 10.5, 26, 2.5}, QColor(207, 207, 207), 3), probe.area({88, 10.5, 26, 2.5}));
        const QRectF under(88, 20, 26, 12); // below the two-digit label, on the block's face
        EXPECT_EQ(probe.countTransparent(under), 0);
        // and there is a gap between the blocks on either side of it
        EXPECT_GT(probe.countTransparent({58, 24, 5, 6}), 0);
        EXPECT_GT(probe.countTransparent({131, 24, 5, 6}), 0);
    }
}

// ---- hills ---------------------------------------------------------------

struct HillsCase {
    const char* name;
    const char* resource;
    QSizeF box;
    std::vector<double> peaks;   // centres of the numbers above the hills, relative to the picture
    double peakBelow;            // a peak reaches higher than this
    std::vector<double> valleys; // centres of the start dates below
    double valleyAbove;          // a valley stays lower than this
    std::vector<QRectF> inside;  // labels that must stand inside the hills
};

const HillsCase kHills[] = {
    {"pinnacles",
     ":/pictures/pinnacles.svg",
     {617, 135},
     {114.5, 267.5, 342.5, 496.5},
     12,
     {237, 314, 392},
     40,
     {{109, 61, 11, 24}, {262, 61, 11, 24}, {337, 61, 11, 24}, {491, 61, 11, 24}, {72, 38, 82, 18}}},
    {"periods", ":/pictures/periods.svg", {625, 41}, {105.5, 313.5, 524.5}, 8, {217, 424}, 20, {}},
};

void PrintTo(const HillsCase& h, std::ostream* os) {
    *os << h.name;
}

class HillsTest : public ::testing::TestWithParam<HillsCase> {};

TEST_P(HillsTest, PeaksUnderTheNumbersValleysOverTheDates) {
    const HillsCase& h = GetParam();
    for (double scale : kScales) {
        SCOPED_TRACE(testing::Message() << "at " << scale);
        const PictureProbe probe(h.resource, h.box, scale);
        for (double x : h.peaks) {
            const double top = probe.topOpaqueAt(x);
            EXPECT_GE(top, 0) << "peak at " << x;
            EXPECT_LT(top, h.peakBelow) << "peak at " << x;
        }
        for (double x : h.valleys)
            EXPECT_GT(probe.topOpaqueAt(x), h.valleyAbove) << "valley at " << x;
        for (const QRectF& r : h.inside) {
            EXPECT_EQ(probe.countTransparent(r), 0) << "label at " << r.x();
            EXPECT_EQ(probe.countDark(r), 0) << "label at " << r.x();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Hills, HillsTest, ::testing::ValuesIn(kHills),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace
} // namespace lirem::test
