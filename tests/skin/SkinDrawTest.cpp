// SPDX-License-Identifier: GPL-3.0-or-later
// Pixel checks of the drawing primitives on tiny synthetic images.
#include "skin/data/SkinDraw.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace lirem::skin {
namespace {

// One letter per pixel: a..z name colours, '.' is transparent, 'M' magenta.
QRgb ColourOf(char c) {
    if (c == '.')
        return 0;
    if (c == 'M')
        return kMagenta;
    const int i = c - 'a';
    return qRgb(10 * i, 255 - 10 * i, (37 * i) % 256);
}

char LetterOf(QRgb px) {
    if (qAlpha(px) == 0)
        return '.';
    if ((px | 0xFF000000u) == kMagenta)
        return 'M';
    for (char c = 'a'; c <= 'z'; ++c)
        if ((px | 0xFF000000u) == ColourOf(c))
            return c;
    return '?';
}

QImage Picture(std::initializer_list<std::string> rows) {
    const int h = static_cast<int>(rows.size());
    const int w = static_cast<int>(rows.begin()->size());
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    int y = 0;
    for (const std::string& row : rows) {
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, ColourOf(row[static_cast<std::size_t>(x)]));
        ++y;
    }
    return image;
}

std::vector<std::string> Letters(const QImage& image) {
    std::vector<std::string> rows;
    const QImage img = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < img.height(); ++y) {
        std::string row;
        for (int x = 0; x < img.width(); ++x)
            row += LetterOf(img.pixel(x, y));
        rows.push_back(row);
    }
    return rows;
}

QImage Canvas(int w, int h, char fill) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(ColourOf(fill));
    return image;
}

// A 5 x 5 frame with 1-pixel margins: corners a c g i, edges b d f h, a 3 x 3 centre.
const QImage kFrame = Picture({
    "abbbc",
    "dxyzf",
    "duvwf",
    "dxyzf",
    "ghhhi",
});

TEST(SkinDraw, FrameRectSelectsHorizontalAndVerticalFrames) {
    const QImage image(12, 6, QImage::Format_RGB32);
    EXPECT_EQ(FrameRect(image, FrameStrip::Horizontal, 3, 2), QRect(4, 0, 4, 6));
    EXPECT_EQ(FrameRect(image, FrameStrip::Vertical, 2, 2), QRect(0, 3, 12, 3));
    EXPECT_EQ(FrameRect(image, FrameStrip::Horizontal, 3, 9), QRect(8, 0, 4, 6)); // clamped
    EXPECT_EQ(FrameRect(image, FrameStrip::Horizontal, 0, 1), QRect(0, 0, 12, 6));
}

TEST(SkinDraw, ComposeNineSliceTilesTheCentreFromItsTopLeft) {
    const QImage out = ComposeNineSlice({8, 7}, kFrame, {1, 1, 1, 1}, FrameStrip::Horizontal, true, 1, 1);
    EXPECT_EQ(Letters(out), (std::vector<std::string>{
                                "abbbbbbc",
                                "dxyzxyzf",
                                "duvwuvwf",
                                "dxyzxyzf",
                                "dxyzxyzf",
                                "duvwuvwf",
                                "ghhhhhhi",
                            }));
}

TEST(SkinDraw, ComposeNineSliceStretchesTheCentreWithoutSmoothing) {
    const QImage frame = Picture({
        "abbc",
        "dxyf",
        "ghhi",
    });
    const QImage out = ComposeNineSlice({6, 4}, frame, {1, 1, 1, 1}, FrameStrip::Horizontal, false, 1, 1);
    EXPECT_EQ(Letters(out), (std::vector<std::string>{
                                "abbbbc",
                                "dxxyyf",
                                "dxxyyf",
                                "ghhhhi",
                            }));
}

TEST(SkinDraw, ComposeNineSliceKeepsCornersAtTheirOwnSize) {
    const QImage frame = Picture({
        "aabcc",
        "aabcc",
        "ddxff",
        "gghii",
        "gghii",
    });
    const QImage out = ComposeNineSlice({7, 6}, frame, {2, 2, 2, 2}, FrameStrip::Horizontal, false, 1, 1);
    EXPECT_EQ(Letters(out), (std::vector<std::string>{
                                "aabbbcc",
                                "aabbbcc",
                                "ddxxxff",
                                "ddxxxff",
                                "gghhhii",
                                "gghhhii",
                            }));
}

TEST(SkinDraw, ComposeNineSliceDropsMarginsThatDoNotFit) {
    // Too narrow for left + right: the whole frame width is the centre.
    const QImage narrow = ComposeNineSlice({1, 5}, kFrame, {3, 1, 3, 1}, FrameStrip::Horizontal, false, 1, 1);
    EXPECT_EQ(Letters(narrow), (std::vector<std::string>{"b", "y", "v", "y", "h"}));
    // Too low for top + bottom: left and right stay.
    const QImage low = ComposeNineSlice({7, 1}, kFrame, {1, 1, 1, 1}, FrameStrip::Horizontal, false, 1, 1);
    EXPECT_EQ(Letters(low), std::vector<std::string>{"duuvwwf"});
}

// Margins from a skin's description may be anything: sums past INT_MAX are
// margins that do not fit, not an overflow.
TEST(SkinDraw, ComposeNineSliceDropsHugeMargins) {
    constexpr int kMax = std::numeric_limits<int>::max();
    struct Case {
        QMargins huge;
        QMargins same;
    };
    const Case cases[] = {
        {{kMax, 1, kMax, 1}, {0, 1, 0, 1}},
        {{1, kMax, 1, kMax}, {1, 0, 1, 0}},
        {{2, 1, kMax - 1, 1}, {0, 1, 0, 1}},
        {{kMax, kMax, kMax, kMax}, {}},
    };
    for (const auto& c : cases)
        for (const bool tile : {false, true})
            EXPECT_EQ(Letters(ComposeNineSlice({7, 6}, kFrame, c.huge, FrameStrip::Horizontal, tile, 1, 1)),
                      Letters(ComposeNineSlice({7, 6}, kFrame, c.same, FrameStrip::Horizontal, tile, 1, 1)))
                << c.huge.left() << ' ' << c.huge.top() << ' ' << c.huge.right() << ' ' << c.huge.bottom();
}

TEST(SkinDraw, ComposeNineSlicePicksTheFrame) {
    const QImage sideBySide = Picture({"aabb", "aabb"});
    const QImage stacked = Picture({"aa", "bb"});
    EXPECT_EQ(Letters(ComposeNineSlice({3, 2}, sideBySide, {}, FrameStrip::Horizontal, false, 2, 2)),
              (std::vector<std::string>{"bbb", "bbb"}));
    EXPECT_EQ(Letters(ComposeNineSlice({3, 2}, stacked, {}, FrameStrip::Vertical, false, 2, 2)),
              (std::vector<std::string>{"bbb", "bbb"}));
    EXPECT_TRUE(ComposeNineSlice({0, 3}, stacked, {}, FrameStrip::Vertical, false, 2, 1).isNull());
}

TEST(SkinDraw, DrawNineSlicePlainOrTransparent) {
    const QImage frame = Picture({"a.", "Ma"});
    struct Case {
        bool transparent;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {false, {"kkkk", "ka.k", "k.ak", "kkkk"}}, // plain copy writes see-through pixels, never magenta
        {true, {"kkkk", "kakk", "kkak", "kkkk"}},  // transparent draw leaves the target under them
    };
    for (const auto& c : cases) {
        QImage target = Canvas(4, 4, 'k');
        QPainter p(&target);
        DrawNineSlice(p, QRect(1, 1, 2, 2), frame, FrameStrip::Horizontal, false, c.transparent, 1, 1, {});
        p.end();
        EXPECT_EQ(Letters(target), c.expected) << c.transparent;
    }
    QImage target = Canvas(2, 2, 'k');
    QPainter p(&target);
    DrawNineSlice(p, QRect(QPoint(1, 1), QPoint(0, 1)), frame, FrameStrip::Horizontal, false, false, 1, 1, {});
    p.end();
    EXPECT_EQ(Letters(target), (std::vector<std::string>{"kk", "kk"}));
}

TEST(SkinDraw, BlitTransparentSkipsMagentaAndTransparentPixels) {
    QImage source(3, 1, QImage::Format_RGB32); // an image that still carries its colour key
    source.setPixel(0, 0, ColourOf('a'));
    source.setPixel(1, 0, kMagenta);
    source.setPixel(2, 0, ColourOf('b'));
    QImage target = Canvas(3, 2, 'k');
    QPainter p(&target);
    BlitTransparent(p, QRect(0, 0, 3, 2), source);
    p.end();
    EXPECT_EQ(Letters(target), (std::vector<std::string>{"akb", "akb"}));
}

TEST(SkinDraw, DrawHorzStripRepeatsTheMiddleBetweenTheCaps) {
    const QImage frame = Picture({"abcde", "abcde"});
    QImage target = Canvas(10, 3, 'k');
    QPainter p(&target);
    DrawHorzStrip(p, QRect(0, 0, 10, 3), frame, FrameStrip::Horizontal, false, 1, 1, 1, 1);
    p.end();
    EXPECT_EQ(Letters(target), (std::vector<std::string>(3, "abcdbcdbce")));
}

TEST(SkinDraw, DrawHorzStripUsesTheChosenStackedFrame) {
    const QImage image = Picture({"aMa", "bcb"});
    QImage target = Canvas(4, 2, 'k');
    QPainter p(&target);
    DrawHorzStrip(p, QRect(0, 0, 4, 2), image, FrameStrip::Vertical, true, 2, 1, 1, 1);
    p.end();
    EXPECT_EQ(Letters(target), (std::vector<std::string>(2, "akka")));
}

TEST(SkinDraw, DrawFrameCellTakesTheTargetWidthAsCellWidth) {
    const QImage image = Picture({"aabbcc", "ddeeff"});
    struct Case {
        int width;
        int frame;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {2, 2, {"bb", "bb", "ee", "ee"}},
        {3, 2, {"bcc", "bcc", "eff", "eff"}},     // x = 3..5, not image width div frames
        {4, 2, {"cc..", "cc..", "ff..", "ff.."}}, // past the image: nothing to copy
    };
    for (const auto& c : cases) {
        QImage target = Canvas(c.width, 4, 'k');
        QPainter p(&target);
        DrawFrameCell(p, QRect(0, 0, c.width, 4), image, false, c.frame);
        p.end();
        EXPECT_EQ(Letters(target), c.expected) << c.width << ' ' << c.frame;
    }
}

TEST(SkinDraw, TileRectRepeatsTheBlockFromTheTopLeft) {
    const QImage image = Picture({"xabx", "xcdx"});
    QImage target = Canvas(6, 4, 'k');
    QPainter p(&target);
    TileRect(p, QRect(1, 1, 3, 1), image, QRect(1, 0, 2, 2));
    TileRect(p, QRect(0, 0, 6, 4), image, QRect(1, 0, 0, 2)); // an empty block draws nothing
    p.end();
    // Copies start at x = 1 and 3 (below the right end 4) and are not clipped to the rect.
    EXPECT_EQ(Letters(target), (std::vector<std::string>{
                                   "kkkkkk",
                                   "kababk",
                                   "kcdcdk",
                                   "kkkkkk",
                               }));
}

TEST(SkinDraw, RegionFromBitmapCutsAwaySeeThroughPixels) {
    QImage image(5, 2, QImage::Format_RGB32);
    image.fill(ColourOf('a'));
    image.setPixel(1, 0, kMagenta);
    image.setPixel(2, 0, qRgb(255, 1, 255)); // within tolerance 1
    image.setPixel(3, 0, qRgb(254, 0, 255)); // below the colour: solid
    image.setPixel(0, 1, qRgb(255, 2, 255)); // beyond tolerance: solid
    QImage withAlpha = image.convertToFormat(QImage::Format_ARGB32);
    withAlpha.setPixel(4, 1, 0);
    const QRegion region = RegionFromBitmap(withAlpha, kMagenta, 1, 1, 1);
    const char* expected[] = {"#..##", "####."};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(region.contains(QPoint(x, y)), expected[y][x] == '#') << x << ',' << y;
    EXPECT_EQ(region.boundingRect(), QRect(0, 0, 5, 2));
    EXPECT_TRUE(RegionFromBitmap(QImage(), kMagenta, 1, 1, 1).isEmpty());
    // A tolerance from a skin's description may be any number: the largest takes every pixel above the colour.
    constexpr int kMax = std::numeric_limits<int>::max();
    EXPECT_TRUE(RegionFromBitmap(Canvas(3, 3, 'z'), qRgb(1, 1, 1), kMax, kMax, kMax).isEmpty());
}

TEST(SkinDraw, KeyMagentaTurnsTheKeyTransparent) {
    QImage indexed(2, 1, QImage::Format_Indexed8);
    indexed.setColorTable({kMagenta, ColourOf('a')});
    indexed.setPixel(0, 0, 0);
    indexed.setPixel(1, 0, 1);
    EXPECT_EQ(Letters(KeyMagenta(indexed)), std::vector<std::string>{".a"});
    QImage rgb(2, 1, QImage::Format_RGB888);
    rgb.setPixel(0, 0, ColourOf('b'));
    rgb.setPixel(1, 0, kMagenta);
    EXPECT_EQ(Letters(KeyMagenta(rgb)), std::vector<std::string>{"b."});
}

} // namespace
} // namespace lirem::skin
