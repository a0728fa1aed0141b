// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own skin, as embedded: archive figures and every parsed value.
#include "assets/skinblob/SkinBlob.h"
#include "skin/archive/LZH.h"
#include "skin/archive/SkinRead.h"
#include "skin/data/SkinDraw.h"
#include "skin/data/WinSkinData.h"
#include "tests/support/SkinImages.h"

#include <gtest/gtest.h>

#include <numeric>

namespace lirem::skin {
namespace {

std::vector<std::uint8_t> StoredProgramSkin() {
    const QByteArray bytes = NumeroSkinStream();
    return {bytes.begin(), bytes.end()};
}

const TSkinData& ProgramSkin() {
    static const TSkinData* data = test::LoadProgramSkin().release();
    return *data;
}

struct EntryCase {
    const char* name;
    int width, height, bitsPerPixel;
};

TEST(ProgramSkin, ArchiveHasTheEntriesPixelSizesAndDepths) {
    const std::vector<std::uint8_t> stored = StoredProgramSkin();
    ASSERT_GT(stored.size(), 8u);
    const std::span<const std::uint8_t> packed(stored.data() + 4, stored.size() - 4);
    std::vector<std::uint8_t> archive;
    ASSERT_TRUE(TLZH().DecodePacked(packed, archive));
    EXPECT_EQ(archive.size(), 146070u);

    TSkinReader reader;
    ASSERT_TRUE(reader.LoadFromPacked(packed));
    ASSERT_EQ(reader.Names().size(), 22u);
    EXPECT_EQ(std::accumulate(reader.Sizes().begin(), reader.Sizes().end(), 0), 145708);
    std::size_t nameList = 0;
    for (const auto& n : reader.Names())
        nameList += n.size() + 2;
    EXPECT_EQ(nameList, 270u);

    const EntryCase cases[] = {
        {"top.bmp", 179, 66, 8},       {"bottom.bmp", 57, 26, 4},     {"left.bmp", 20, 58, 8},
        {"right.bmp", 24, 56, 8},      {"menu.bmp", 70, 36, 8},       {"Dialog.bmp", 150, 150, 8},
        {"button.bmp", 360, 24, 24},   {"checkbox.bmp", 48, 12, 24},  {"radio.bmp", 48, 12, 24},
        {"progress.bmp", 182, 13, 24}, {"tabborder.bmp", 29, 28, 24}, {"tabs.bmp", 275, 22, 24},
        {"scrollhz.bmp", 64, 16, 24},  {"scrollvt.bmp", 64, 16, 24},  {"scrollhb.bmp", 48, 16, 24},
        {"scrollvb.bmp", 48, 16, 24},  {"toolbar.bmp", 275, 22, 24},  {"min.bmp", 57, 20, 8},
        {"max.bmp", 57, 20, 8},        {"close.bmp", 57, 20, 8},      {"restore.bmp", 57, 20, 8},
    };
    for (const auto& c : cases) {
        std::vector<std::uint8_t> bmp;
        ASSERT_TRUE(reader.ExtractByName(c.name, bmp)) << c.name;
        ASSERT_GE(bmp.size(), 54u);
        const auto le = [&](std::size_t at, int bytes) {
            std::uint32_t v = 0;
            for (int i = bytes - 1; i >= 0; --i)
                v = v << 8 | bmp[at + static_cast<std::size_t>(i)];
            return v;
        };
        EXPECT_EQ(le(18, 4), static_cast<std::uint32_t>(c.width)) << c.name;
        EXPECT_EQ(le(22, 4), static_cast<std::uint32_t>(c.height)) << c.name;
        EXPECT_EQ(le(28, 2), static_cast<std::uint32_t>(c.bitsPerPixel)) << c.name;
    }
    std::vector<std::uint8_t> ini;
    std::string iniName;
    ASSERT_TRUE(reader.ExtractByPattern(".ini", ini, iniName));
    EXPECT_EQ(ini.size(), 3738u);
}

struct ElementCase {
    const char* name;
    const TDataSkinObject* element;
    QSize image;
    int left, top, right, bottom, trans, tile, frames;
};

TEST(ProgramSkin, ElementsHaveTheirImagesMarginsAndFrameCounts) {
    const TSkinData& d = ProgramSkin();
    ASSERT_FALSE(d.SkinEmpty());
    const ElementCase cases[] = {
        {"Top", &d.Top(), {179, 66}, 76, 0, 84, 0, 0, 0, 2},
        {"Left", &d.Left(), {20, 58}, 0, 33, 0, 13, 0, 0, 2},
        {"Right", &d.Right(), {24, 56}, 0, 33, 0, 13, 0, 0, 2},
        {"Bottom", &d.Bottom(), {57, 26}, 0, 0, 0, 0, 0, 0, 2},
        {"menu bar", d.MenuBar(), {70, 36}, 0, 0, 0, 0, 0, 0, 2},
        {"Buttons", &d.Buttons(), {360, 24}, 12, 11, 12, 11, 1, 0, 5},
        {"Tabs", d.Tabs(), {275, 22}, 7, 7, 7, 7, 1, 0, 5},
        {"Progress", d.Progress(), {182, 13}, 9, 5, 9, 5, 0, 0, 2},
        {"Scrollbar", d.Scrollbar(), {}, 1, 1, 2, 2, 1, 0, 23},
        {"HorzScroll", d.HorzScroll(), {64, 16}, 0, 3, 0, 3, 0, 1, 4},
        {"VertScroll", d.VertScroll(), {64, 16}, 3, 0, 3, 0, 0, 1, 4},
        {"HorzScrollThumb", d.HorzScrollThumb(), {48, 16}, 2, 2, 2, 2, 0, 1, 3},
        {"VertScrollThumb", d.VertScrollThumb(), {48, 16}, 2, 2, 2, 2, 0, 1, 3},
    };
    for (const auto& c : cases) {
        ASSERT_NE(c.element, nullptr) << c.name;
        const TDataSkinObject& e = *c.element;
        EXPECT_EQ(e.Bitmap.isNull() ? QSize() : e.Bitmap.size(), c.image) << c.name;
        EXPECT_EQ(e.LeftWidth, c.left) << c.name;
        EXPECT_EQ(e.TopHeight, c.top) << c.name;
        EXPECT_EQ(e.RightWidth, c.right) << c.name;
        EXPECT_EQ(e.BottomHeight, c.bottom) << c.name;
        EXPECT_EQ(e.Trans, c.trans) << c.name;
        EXPECT_EQ(e.Tile, c.tile) << c.name;
        EXPECT_EQ(e.FrameCount, c.frames) << c.name;
    }
    EXPECT_EQ(d.Buttons().CheckButton.size(), QSize(48, 12));
    EXPECT_EQ(d.Buttons().RadioButton.size(), QSize(48, 12));
    EXPECT_EQ(d.Buttons().CheckButtonFrame, 4);
    EXPECT_EQ(d.Buttons().RadioButtonFrame, 4);
    EXPECT_EQ(d.Tabs()->BorderBitmap.size(), QSize(29, 28));

    for (SkinElementKind absent :
         {SkinElementKind::GroupBoxEdge, SkinElementKind::Toolbar, SkinElementKind::StatusBarEdges,
          SkinElementKind::ComboButton, SkinElementKind::SunkEdge, SkinElementKind::ExtraImages,
          SkinElementKind::Headerbar, SkinElementKind::MenuItem, SkinElementKind::MenuBackground})
        EXPECT_EQ(d.Element(absent), nullptr) << static_cast<int>(absent);
    EXPECT_TRUE(d.ColourList().empty());
}

TEST(ProgramSkin, FrameMetricsComeOutAsTheWindowNeedsThem) {
    const TSkinData& d = ProgramSkin();
    EXPECT_EQ(d.Left().Bitmap.width() / d.Left().FrameCount, 10);
    EXPECT_EQ(d.Top().Bitmap.height() / d.Top().FrameCount, 33);
    EXPECT_EQ(d.Right().Bitmap.width() / d.Right().FrameCount, 12);
    EXPECT_EQ(d.Bottom().Bitmap.height() / d.Bottom().FrameCount, 13);
}

TEST(ProgramSkin, TitleSettings) {
    const TDataSkinTitle& t = ProgramSkin().Title();
    EXPECT_EQ(t.TextShift(), 60);
    EXPECT_EQ(t.TextShiftVert(), 0);
    EXPECT_EQ(t.TextRightClip(), 82);
    EXPECT_EQ(t.TextAlignment, 0);
    EXPECT_TRUE(t.Bitmap.isNull());
    EXPECT_EQ(t.FontHeight, 14);
    EXPECT_EQ(t.ActiveText, RgbColour(255, 255, 255));
    EXPECT_EQ(t.InActiveText, RgbColour(255, 255, 255));
}

struct CaptionButtonCase {
    int imageWidth; // 0: none
    int action, align, x, y, visibility, frames;
};

TEST(ProgramSkin, CaptionButtonsInSectionOrder) {
    const CaptionButtonCase cases[] = {
        {57, 2, 1, 61, 4, 0, 3}, // minimize
        {57, 1, 1, 42, 4, 4, 3}, // maximize
        {57, 0, 1, 23, 4, 0, 3}, // close
        {57, 1, 1, 42, 4, 3, 3}, // restore
        {0, 11, 0, 14, 6, 0, 6}, // window icon
    };
    const SysButtonList& buttons = ProgramSkin().SysButtons();
    ASSERT_EQ(buttons.size(), std::size(cases));
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const TDataSkinSysButton& b = *buttons[i];
        const CaptionButtonCase& c = cases[i];
        EXPECT_EQ(b.Name, "BUTTON" + std::to_string(i));
        EXPECT_EQ(b.Bitmap.isNull() ? 0 : b.Bitmap.width(), c.imageWidth) << i;
        EXPECT_EQ(b.Action, c.action) << i;
        EXPECT_EQ(b.Align, c.align) << i;
        EXPECT_EQ(b.Xcoord, c.x) << i;
        EXPECT_EQ(b.Ycoord, c.y) << i;
        EXPECT_EQ(b.Visibility, c.visibility) << i;
        EXPECT_EQ(b.Visibility1, 0) << i;
        EXPECT_EQ(b.FrameCount, c.frames) << i;
    }
}

TEST(ProgramSkin, Palette) {
    const SkinPalette& p = ProgramSkin().Palette();
    const std::pair<Colour, Colour> cases[] = {
        {p.ButtonFace, RgbColour(207, 207, 207)},
        {p.WindowText, RgbColour(0, 0, 0)},
        {p.Scrollbar, RgbColour(238, 238, 238)},
        {p.HilightText, RgbColour(255, 255, 255)},
        {p.Hilight, RgbColour(64, 112, 176)},
        {p.Menubar, RgbColour(207, 207, 207)},
        {p.Menu, RgbColour(207, 207, 207)},
        {p.MenuText, RgbColour(0, 0, 0)},
        {p.ButtonText, RgbColour(0, 0, 0)},
        {p.ButtonHilight, RgbColour(238, 238, 238)},
        {p.Buttonlight, RgbColour(220, 220, 220)},
        {p.ButtonShadow, RgbColour(146, 146, 146)},
        {p.ButtonDkShadow, RgbColour(0, 0, 0)},
        {p.MenuBarText, RgbColour(0, 0, 0)},
        {p.TitleTextActive, RgbColour(255, 255, 255)},
        {p.TitleTextInactive, RgbColour(255, 255, 255)},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cases[i].first, cases[i].second) << "entry " << i;
}

TEST(ProgramSkin, FrameCornersAreSeeThroughAndTheEdgesSolid) {
    const TSkinData& d = ProgramSkin();
    // Rounded outer corners: the very corner pixel is see-through, the border beside it solid.
    EXPECT_EQ(qAlpha(d.Left().Bitmap.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(d.Left().Bitmap.pixel(0, 20)), 255);
    EXPECT_EQ(qAlpha(d.Right().Bitmap.pixel(11, 0)), 0);
    EXPECT_EQ(qAlpha(d.Left().Bitmap.pixel(0, 57)), 0);
    EXPECT_EQ(qAlpha(d.Top().Bitmap.pixel(90, 10)), 255);
    const QRegion region = RegionFromBitmap(d.Left().Bitmap, kMagenta, 1, 1, 1);
    EXPECT_FALSE(region.contains(QPoint(0, 0)));
    EXPECT_TRUE(region.contains(QPoint(5, 20)));
    // Caption buttons are see-through around their glyph in the normal frame.
    EXPECT_EQ(qAlpha(d.SysButtons()[2]->Bitmap.pixel(1, 1)), 0);
}

} // namespace
} // namespace lirem::skin
