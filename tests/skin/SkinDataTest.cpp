// SPDX-License-Identifier: GPL-3.0-or-later
// TSkinData: parsing the INI description into elements, frame counts and colours.
#include "assets/skinblob/SkinBlob.h"
#include "skin/data/SkinBitmap.h"
#include "skin/data/SkinDraw.h"
#include "skin/data/SkinIni.h"
#include "skin/data/WinSkinData.h"
#include "tests/support/SkinImages.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <QTemporaryFile>

#include <memory>
#include <random>

namespace lirem::skin {
namespace {

using test::BmpFile;
using test::Bytes;
using test::Filled;

constexpr QRgb kRed = qRgb(255, 0, 0);

std::unique_ptr<TSkinData> Parsed(std::string_view ini, const TSkinReader* images = nullptr) {
    auto data = std::make_unique<TSkinData>();
    data->ReadSkinIni(ini, images);
    return data;
}

// --- Colours -------------------------------------------------------------------

TEST(SkinDataColours, MissingKeysGiveSystemColours) {
    const auto owner = Parsed("[Colours]\n");
    const TSkinData& data = *owner;
    const SkinPalette& p = data.Palette();
    const std::pair<Colour, Colour> cases[] = {
        {p.WindowText, kClWindowText},
        {p.ButtonFace, kClBtnFace},
        {p.Scrollbar, kClScrollBar},
        {p.HilightText, kClHighlightText},
        {p.Hilight, kClHighlight},
        {p.Menubar, kClBtnFace},
        {p.Menu, kClMenu},
        {p.MenuText, kClMenuText},
        {p.ButtonText, kClBtnText},
        {p.ButtonHilight, kClBtnHighlight},
        {p.Buttonlight, kClBtnHighlight},
        {p.ButtonShadow, kClBtnShadow},
        {p.ButtonDkShadow, kClBtnShadow},
        {p.MenuBarText, kClMenu},
        {p.TitleTextActive, kClCaptionText},
        {p.TitleTextInactive, kClInactiveCaptionText},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cases[i].first, cases[i].second) << "entry " << i;
}

TEST(SkinDataColours, MenuTextAndMenubarFallBackToButtonFace) {
    struct Case {
        const char* ini;
        Colour menuText;
        Colour menubar;
    };
    const Case cases[] = {
        {"[Colours]\nButtonFace=1 2 3\n", RgbColour(1, 2, 3), RgbColour(1, 2, 3)},
        {"[Colours]\nButtonFace=1 2 3\nMenuText=\nMenubar=\n", RgbColour(1, 2, 3), RgbColour(1, 2, 3)},
        {"[Colours]\nButtonFace=1 2 3\nMenuText=4 5 6\nMenubar=7 8 9\n", RgbColour(4, 5, 6), RgbColour(7, 8, 9)},
        {"[Colours]\nMenuText=4 5 6\n", RgbColour(4, 5, 6), kClBtnFace},
        {"[Colours]\n", kClMenuText, kClBtnFace},
    };
    for (const auto& c : cases) {
        const auto owner = Parsed(c.ini);
        const TSkinData& data = *owner;
        EXPECT_EQ(data.Palette().MenuText, c.menuText) << c.ini;
        EXPECT_EQ(data.Palette().Menubar, c.menubar) << c.ini;
    }
}

TEST(SkinDataColours, InactiveTitleTextFollowsTheActiveKey) {
    const auto owner = Parsed("[Colours]\nTitleTextActive=1 2 3\nTitleTextInactive=9 9 9\n");
    const TSkinData& data = *owner;
    EXPECT_EQ(data.Palette().TitleTextActive, RgbColour(1, 2, 3));
    EXPECT_EQ(data.Palette().TitleTextInactive, RgbColour(1, 2, 3));
}

TEST(SkinDataColours, ColourSectionsFillTheColourListInOrder) {
    const auto owner = Parsed("[Colours]\nWindowText=1 1 1\n"
                              "[Colour.Hot]\ncolor=10 20 30\n"
                              "[COLOUR2]\nCOLOR=40,50,60\n"
                              "[colourless]\n"
                              "[Colors]\ncolor=7 7 7\n");
    const TSkinData& data = *owner;
    EXPECT_EQ(data.ColourList(), (std::vector<Colour>{RgbColour(10, 20, 30), RgbColour(40, 50, 60), kClWindowText}));
    EXPECT_EQ(data.ColourOf(0), RgbColour(10, 20, 30));
    EXPECT_EQ(data.ColourOf(2), kClWindowText);
    EXPECT_EQ(data.ColourOf(3), std::nullopt);
    EXPECT_EQ(data.ColourOf(-1), std::nullopt);
}

// --- Caption buttons -------------------------------------------------------------

struct SysButtonCase {
    int imageWidth; // 0: no image
    int imageHeight;
    const char* extraKeys;
    std::int32_t frames;
};

TEST(SkinDataSysButtons, FrameCountFollowsTheImageShapeAndAction) {
    const SysButtonCase cases[] = {
        {57, 20, "", 3},
        {120, 20, "", 6},
        {76, 20, "", 3}, // exactly 3.8 is still narrow
        {77, 20, "", 6},
        {0, 0, "", 6},
        {57, 20, "Action=-1\n", 6},
        {0, 0, "Action=-1\n", 6},
        {57, 20, "frame=4\n", 4},
        {120, 20, "frame=2\n", 2},
        {57, 20, "frame=4\nAction=-2\n", 6},
    };
    for (const auto& c : cases) {
        std::vector<skinpack::ArchiveEntry> entries;
        std::string ini = "[Button0]\n";
        if (c.imageWidth > 0) {
            entries.push_back({"b.bmp", BmpFile(Filled(c.imageWidth, c.imageHeight, kRed))});
            ini += "ButtonImage=b.bmp\n";
        }
        ini += c.extraKeys;
        const TSkinReader reader = test::ReaderOf(entries);
        const auto owner = Parsed(ini, &reader);
        const TSkinData& data = *owner;
        ASSERT_EQ(data.SysButtons().size(), 1u);
        EXPECT_EQ(data.SysButtons()[0]->FrameCount, c.frames)
            << c.imageWidth << 'x' << c.imageHeight << ' ' << c.extraKeys;
    }
}

TEST(SkinDataSysButtons, CaptionButtonSectionsInFileOrderWithTheirKeys) {
    const auto owner = Parsed("[Buttons]\nLeftWidth=1\n"
                              "[button.radio]\n[Button.CheckBox]\n"
                              "[ButtonZ]\nAction=2\nAlign=3\nXcoord=$10\nYcoord=4\nVisibility=5\nVisibility1=6\n"
                              "CombineOp=7\n"
                              "[Colours]\n"
                              "[buttona]\n"
                              "[Buttonb]\n");
    const TSkinData& data = *owner;
    ASSERT_EQ(data.SysButtons().size(), 3u);
    const TDataSkinSysButton& z = *data.SysButtons()[0];
    EXPECT_EQ(z.Name, "BUTTONZ");
    EXPECT_EQ(z.Action, 2);
    EXPECT_EQ(z.Align, 3);
    EXPECT_EQ(z.Xcoord, 16);
    EXPECT_EQ(z.Ycoord, 4);
    EXPECT_EQ(z.Visibility, 5);
    EXPECT_EQ(z.Visibility1, 6);
    EXPECT_EQ(z.CombineOp, 7);
    EXPECT_EQ(data.SysButtons()[1]->Name, "BUTTONA");
    EXPECT_EQ(data.SysButtons()[1]->CombineOp, -1);
    EXPECT_EQ(data.SysButtons()[2]->Name, "BUTTONB");
}

TEST(SkinDataSysButtons, ReloadingReplacesTheCaptionButtons) {
    TSkinData data;
    data.ReadSkinIni("[Button0]\n[Button1]\n");
    data.ReadSkinIni("[Button7]\n");
    ASSERT_EQ(data.SysButtons().size(), 1u);
    EXPECT_EQ(data.SysButtons()[0]->Name, "BUTTON7");
}

// --- Check boxes and radio buttons ------------------------------------------------

TEST(SkinDataButtons, GlyphFrameCountsComeFromTheImageWhenNotGiven) {
    struct Case {
        int w, h;
        const char* keys;
        std::int32_t frames;
    };
    const Case cases[] = {
        {48, 12, "", 4},                           // 48 div 13 = 3, raised to 4
        {80, 16, "", 5},                           // 80 div 16
        {96, 16, "", 6},          {78, 15, "", 6}, // below 16 high: cells of 13
        {26, 12, "", 4},          {0, 0, "", 4},   // no image
        {48, 12, "Frame=7\n", 7},
    };
    for (const auto& c : cases) {
        std::vector<skinpack::ArchiveEntry> entries;
        std::string check = "[Buttons]\n";
        std::string radio = "[Buttons]\n";
        if (c.w > 0) {
            entries.push_back({"g.bmp", BmpFile(Filled(c.w, c.h, kRed))});
            check += "CheckButton=g.bmp\n";
            radio += "RadioButton=g.bmp\n";
        }
        if (*c.keys != '\0') {
            check += std::string("Check") + "Button" + c.keys;
            radio += std::string("Radio") + "Button" + c.keys;
        }
        const TSkinReader reader = test::ReaderOf(entries);
        EXPECT_EQ(Parsed(check, &reader)->Buttons().CheckButtonFrame, c.frames) << c.w << 'x' << c.h;
        EXPECT_EQ(Parsed(radio, &reader)->Buttons().RadioButtonFrame, c.frames) << c.w << 'x' << c.h;
    }
}

TEST(SkinDataButtons, ButtonsSectionKeysAndDefaults) {
    const auto owner = Parsed("[Buttons]\nLeftWidth=12\nTopHeight=11\nRightWidth=10\nBottomHeight=9\nTrans=1\n"
                              "Tile=1\nNormalColour=2\n");
    const TSkinData& data = *owner;
    const TDataSkinButton& b = data.Buttons();
    EXPECT_EQ(b.LeftWidth, 12);
    EXPECT_EQ(b.TopHeight, 11);
    EXPECT_EQ(b.RightWidth, 10);
    EXPECT_EQ(b.BottomHeight, 9);
    EXPECT_EQ(b.Trans, 1);
    EXPECT_EQ(b.Tile, 0); // not read for push buttons
    EXPECT_EQ(b.NormalColour, 2);
    EXPECT_EQ(b.MouseOverColour, -1);
    EXPECT_EQ(b.PressedColour, -1);
    EXPECT_EQ(b.FrameCount, 5);
}

// --- Borders, title and optional elements -----------------------------------------

TEST(SkinDataBorders, BorderKeysMapToTheirFieldsWithDefaults) {
    const auto owner = Parsed("[Personality]\n"
                              "LeftTopHeight=33\nLeftBotHeight=13\nLeftFrame=2\nLeftStretch=0\n"
                              "TopTopHeight=76\nTopBotHeight=84\n");
    const TSkinData& data = *owner;
    EXPECT_EQ(data.Left().TopHeight, 33);
    EXPECT_EQ(data.Left().BottomHeight, 13);
    EXPECT_EQ(data.Left().LeftWidth, 0);
    EXPECT_EQ(data.Left().FrameCount, 2);
    EXPECT_EQ(data.Left().Tile, 0);
    EXPECT_EQ(data.Top().LeftWidth, 76);
    EXPECT_EQ(data.Top().RightWidth, 84);
    EXPECT_EQ(data.Top().TopHeight, 0);
    EXPECT_EQ(data.Top().FrameCount, 1);
    EXPECT_EQ(data.Top().Tile, 1);
    EXPECT_EQ(data.Bottom().Name, "Bottom");
    // A frame count below 1 would make the frame metrics divide by zero.
    const auto zero =
        Parsed("[Personality]\nRightFrame=0\nBottomFrame=-2\n[HorzScrollThumb]\nImage=t.bmp\nFrameCount=0\n");
    EXPECT_EQ(zero->Right().FrameCount, 1);
    EXPECT_EQ(zero->Bottom().FrameCount, 1);
    EXPECT_EQ(zero->HorzScrollThumb()->FrameCount, 1);
    EXPECT_EQ(data.Right().Name, "Right");
}

TEST(SkinDataTitle, TextColoursNeedAllThreeComponents) {
    struct Case {
        const char* keys;
        Colour active;
    };
    const Case cases[] = {
        {"ActiveTextR=1\nActiveTextG=2\nActiveTextB=3\n", RgbColour(1, 2, 3)},
        {"ActiveTextR=1\nActiveTextG=2\n", kColourUnset},
        {"ActiveTextR=1\nActiveTextG=-1\nActiveTextB=3\n", kColourUnset},
        {"", kColourUnset},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Parsed(std::string("[Personality]\n") + c.keys)->Title().ActiveText, c.active) << c.keys;

    const auto owner = Parsed("[Personality]\nTextShift=60\nTextShiftVert=-2\nTextRightClip=82\nTextAlignment=1\n"
                              "TXTBackleft=3\nTXTBackRight=4\n[Fonts]\nFontHeight=$10\n");
    const TSkinData& data = *owner;
    const TDataSkinTitle& t = data.Title();
    EXPECT_EQ(t.TextShift(), 60);
    EXPECT_EQ(t.TextShiftVert(), -2);
    EXPECT_EQ(t.TextRightClip(), 82);
    EXPECT_EQ(t.TextAlignment, 1);
    EXPECT_EQ(t.TXTBackleft, 3);
    EXPECT_EQ(t.TXTBackRight, 4);
    EXPECT_EQ(t.FontHeight, 16);
    EXPECT_EQ(t.FrameCount, 2);
    EXPECT_EQ(Parsed("")->Title().FontHeight, 14);
}

TEST(SkinDataElements, OptionalElementsExistOnlyWithAnImageKey) {
    const auto owner = Parsed("[Toolbar]\nLeftWidth=3\n"
                              "[SunkEdge]\nImage=missing.bmp\nLeftWidth=2\nTile=1\n"
                              "[Progress]\nImage=ignored.bmp\n"
                              "[Headerbar]\nImage=h.bmp\n"
                              "[Personality]\nmenuBar=m.bmp\nTileLeftMenu=5\nTileRightMenu=6\n");
    const TSkinData& data = *owner;
    EXPECT_EQ(data.Toolbar(), nullptr);
    EXPECT_EQ(data.Progress(), nullptr); // Progress reads "Bitmap", not "Image"
    ASSERT_NE(data.SunkEdge(), nullptr);
    EXPECT_TRUE(data.SunkEdge()->Bitmap.isNull());
    EXPECT_EQ(data.SunkEdge()->LeftWidth, 2);
    EXPECT_EQ(data.SunkEdge()->Tile, 1);
    EXPECT_EQ(data.SunkEdge()->NormalColour, -1);
    EXPECT_EQ(data.SunkEdge()->FrameCount, 4);
    ASSERT_NE(data.Headerbar(), nullptr);
    EXPECT_EQ(data.Headerbar()->FrameCount, 0);
    ASSERT_NE(data.MenuBar(), nullptr);
    EXPECT_EQ(data.MenuBar()->LeftWidth, 5);
    EXPECT_EQ(data.MenuBar()->RightWidth, 6);
    EXPECT_EQ(data.MenuBar()->FrameCount, 2);

    TSkinData again;
    again.ReadSkinIni("[Toolbar]\nImage=t.bmp\n");
    again.ReadSkinIni("[Tabs]\nImage=t.bmp\n");
    EXPECT_EQ(again.Toolbar(), nullptr); // re-created on every load
    ASSERT_NE(again.Tabs(), nullptr);
    EXPECT_EQ(again.Tabs()->FrameCount, 5);
}

TEST(SkinDataElements, FixedFrameCountsAndThumbFrameCount) {
    std::string ini;
    for (const char* s :
         {"GroupBoxEdge", "Toolbar", "Tabs", "StatusBarEdges", "ComboButton", "SunkEdge", "ExtraImages", "Headerbar",
          "MenuItem", "MenuBackground", "Scrollbar", "HorzScroll", "VertScroll", "HorzScrollThumb", "VertScrollThumb"})
        ini += std::string("[") + s + "]\nImage=x.bmp\n";
    ini += "[Progress]\nBitmap=p.bmp\n[VertScrollThumb]\nFrameCount=9\n";
    ini += "[HorzScrollThumb]\nFrameCount=7\n"; // a repeated section: ignored
    const auto owner = Parsed(ini);
    const TSkinData& data = *owner;
    const std::pair<SkinElementKind, std::int32_t> cases[] = {
        {SkinElementKind::GroupBoxEdge, 2},
        {SkinElementKind::Toolbar, 5},
        {SkinElementKind::Tabs, 5},
        {SkinElementKind::StatusBarEdges, 3},
        {SkinElementKind::ComboButton, 4},
        {SkinElementKind::SunkEdge, 4},
        {SkinElementKind::ExtraImages, 5},
        {SkinElementKind::Headerbar, 0},
        {SkinElementKind::MenuItem, 5},
        {SkinElementKind::MenuBackground, 1},
        {SkinElementKind::Scrollbar, 23},
        {SkinElementKind::HorzScroll, 4},
        {SkinElementKind::VertScroll, 4},
        {SkinElementKind::HorzScrollThumb, 3},
        {SkinElementKind::VertScrollThumb, 3},
        {SkinElementKind::Progress, 2},
    };
    for (const auto& [which, frames] : cases) {
        ASSERT_NE(data.Element(which), nullptr) << static_cast<int>(which);
        EXPECT_EQ(data.Element(which)->FrameCount, frames) << static_cast<int>(which);
    }
    EXPECT_EQ(data.Progress()->NormalColour, 0);
}

// --- Images ---------------------------------------------------------------------

TEST(SkinDataImages, ImageNamesAreLookedUpByTheirNamePart) {
    const std::vector<skinpack::ArchiveEntry> entries = {
        {"scrollbar.bmp", BmpFile(Filled(4, 2, kRed))},
        {"folder/inside.bmp", BmpFile(Filled(3, 2, kRed))},
        {"empty.bmp", {}},
        {"broken.bmp", Bytes("BM not really a bitmap")},
    };
    const TSkinReader reader = test::ReaderOf(entries);
    struct Case {
        const char* name;
        bool found;
    };
    const Case cases[] = {
        {"scrollbar.bmp", true},
        {"ScrollBar.bmp", true},        // archive names ignore letter case
        {"skins\\scrollbar.bmp", true}, // a backslash separates folders
        {"c:scrollbar.bmp", true},
        {"arrows/scrollbar.bmp", false}, // a forward slash does not
        {"folder/inside.bmp", true},     // looked up under the whole name
        {"scrollbar.BMP", false},        // the extension must be ".bmp" exactly
        {"scrollbar", false},
        {"skins\\", false},
        {"", false},
        {"empty.bmp", false},
        {"broken.bmp", false},
        {"missing.bmp", false},
    };
    for (const auto& c : cases) {
        QImage image = Filled(1, 1, kRed);
        TSkinData::LoadSkinBitmap(&reader, image, c.name);
        EXPECT_EQ(!image.isNull(), c.found) << c.name;
    }
}

TEST(SkinDataImages, ElementWithAForwardSlashNameExistsWithAnEmptyImage) {
    const TSkinReader reader = test::ReaderOf({{"scrollbar.bmp", BmpFile(Filled(4, 2, kRed))}});
    const auto owner = Parsed("[Scrollbar]\nImage=arrows/scrollbar.bmp\nLeftWidth=1\n", &reader);
    const TSkinData& data = *owner;
    ASSERT_NE(data.Scrollbar(), nullptr);
    EXPECT_TRUE(data.Scrollbar()->Bitmap.isNull());
    EXPECT_EQ(data.Scrollbar()->LeftWidth, 1);
}

TEST(SkinDataImages, MagentaBecomesTransparentWhenLoaded) {
    QImage rgb = Filled(2, 1, kRed);
    rgb.setPixel(1, 0, qRgb(255, 0, 255));
    QImage indexed(2, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(255, 0, 255), qRgb(0, 0, 255)});
    indexed.setPixel(0, 0, 0);
    indexed.setPixel(1, 0, 1);
    for (const QImage& source : {rgb, indexed}) {
        const QImage loaded = TSkinData::DecodeSkinBitmap(BmpFile(source));
        ASSERT_FALSE(loaded.isNull());
        const int magentaX = source.pixel(0, 0) == qRgb(255, 0, 255) ? 0 : 1;
        EXPECT_EQ(qAlpha(loaded.pixel(magentaX, 0)), 0);
        EXPECT_EQ(loaded.pixel(1 - magentaX, 0), source.pixel(1 - magentaX, 0));
    }
}

// What the toolkit's BMP reader and KeyMagenta make of a file.
QImage ReadByToolkit(const std::vector<std::uint8_t>& file) {
    QByteArray bytes(reinterpret_cast<const char*>(file.data()), static_cast<qsizetype>(file.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    QImage image;
    return reader.read(&image) ? KeyMagenta(image) : QImage();
}

void Put32(std::vector<std::uint8_t>& file, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i)
        file[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

TEST(SkinDataImages, PlainBitmapsReadAsTheToolkitReadsThem) {
    struct Case {
        std::string name;
        std::vector<std::uint8_t> file;
        bool plain;        // read directly rather than by the toolkit
        bool whole = true; // the toolkit leaves the rows of a cut file undefined
    };
    std::vector<Case> cases;
    // Every bitmap of the program's skin.
    const QByteArray stored = NumeroSkinStream();
    TSkinReader skin;
    ASSERT_TRUE(skin.LoadFromPacked(std::span(reinterpret_cast<const std::uint8_t*>(stored.constData()) + 4,
                                              static_cast<std::size_t>(stored.size()) - 4)));
    for (const std::string& name : skin.Names()) {
        std::vector<std::uint8_t> bmp;
        if (name.ends_with(".bmp") && skin.ExtractByName(name, bmp))
            cases.push_back({name, bmp, true});
    }
    QImage rgb = Filled(3, 2, kRed); // rows padded
    rgb.setPixel(1, 1, qRgb(255, 0, 255));
    QImage indexed(5, 3, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(255, 0, 255), qRgb(0, 0, 255), qRgb(9, 8, 7)});
    indexed.fill(2);
    indexed.setPixel(0, 0, 0);
    indexed.setPixel(4, 2, 1);
    cases.push_back({"24 bits", BmpFile(rgb), true});
    cases.push_back({"8 bits", BmpFile(indexed), true});
    std::vector<std::uint8_t> gap = BmpFile(indexed); // pixels further on than the table ends
    gap.insert(gap.begin() + static_cast<std::ptrdiff_t>(gap[10]), 6, 0x55);
    Put32(gap, 10, gap[10] + 6U);
    cases.push_back({"pixels after a gap", gap, true});
    std::vector<std::uint8_t> beyond = BmpFile(indexed); // pixel 2 beyond a table of 2
    Put32(beyond, 46, 2);
    cases.push_back({"index beyond the table", beyond, false});
    std::vector<std::uint8_t> topDown = BmpFile(rgb);
    Put32(topDown, 22, static_cast<std::uint32_t>(-2));
    cases.push_back({"top-down rows", topDown, false});
    std::vector<std::uint8_t> cut = BmpFile(rgb);
    cut.pop_back();
    cases.push_back({"truncated", cut, false, false});
    cases.push_back({"one bit", BmpFile(QImage(9, 2, QImage::Format_Mono)), false});

    for (const Case& c : cases) {
        const QImage plain = ReadPlainBitmap(c.file);
        EXPECT_EQ(!plain.isNull(), c.plain) << c.name;
        if (!plain.isNull()) {
            EXPECT_EQ(plain, ReadByToolkit(c.file)) << c.name;
        }
        if (c.whole) {
            EXPECT_EQ(TSkinData::DecodeSkinBitmap(c.file), ReadByToolkit(c.file)) << c.name;
        }
    }
}

// --- The stored skin and loading ----------------------------------------------------

const std::vector<skinpack::ArchiveEntry> kSmallSkin = {
    {"left.bmp", test::BmpFile(test::Filled(20, 8, qRgb(0, 0, 255)))},
    {"small.ini", test::Bytes("[Personality]\nLeft=left.bmp\nLeftFrame=2\n[Colours]\nButtonFace=1 2 3\n")},
};

// Counts the skin data's change signals while it lives.
class CountingForm {
public:
    explicit CountingForm(TSkinData& data)
        : connection_(QObject::connect(&data, &TSkinData::SkinChanged, [this] { ++changes; })) {}
    ~CountingForm() { QObject::disconnect(connection_); }
    CountingForm(const CountingForm&) = delete;
    CountingForm& operator=(const CountingForm&) = delete;
    int changes = 0;

private:
    QMetaObject::Connection connection_;
};

TEST(SkinDataLoad, StoredSkinLoadsAndWritesBack) {
    const std::vector<std::uint8_t> stored = test::StoredSkin(kSmallSkin);
    TSkinData data;
    CountingForm form(data);
    ASSERT_TRUE(data.ReadSkinStream(stored));
    EXPECT_FALSE(data.SkinEmpty());
    EXPECT_EQ(form.changes, 1);
    EXPECT_EQ(data.Left().Bitmap.size(), QSize(20, 8));
    EXPECT_EQ(data.Left().FrameCount, 2);
    EXPECT_EQ(data.Palette().ButtonFace, RgbColour(1, 2, 3));
    EXPECT_EQ(data.WriteSkinStream(), stored);
    EXPECT_EQ(data.SkinStore(), "(none)");
}

TEST(SkinDataLoad, SizeFieldZeroOrNegativeKeepsTheHeldSkin) {
    TSkinData data;
    ASSERT_TRUE(data.ReadSkinStream(test::StoredSkin(kSmallSkin)));
    const std::vector<std::uint8_t> held = data.PackedSkin();
    CountingForm form(data);
    const std::vector<std::vector<std::uint8_t>> blocks = {
        {0, 0, 0, 0},
        {0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3},
        {0, 0, 0, 0x80},
    };
    for (const auto& block : blocks) {
        EXPECT_TRUE(data.ReadSkinStream(block));
        EXPECT_EQ(data.PackedSkin(), held);
        EXPECT_FALSE(data.SkinEmpty());
    }
    EXPECT_EQ(form.changes, 0);
    EXPECT_FALSE(data.ReadSkinStream(std::vector<std::uint8_t>{10, 0, 0, 0, 1, 2})); // shorter than stated
    EXPECT_FALSE(data.ReadSkinStream(std::vector<std::uint8_t>{1, 0}));
    EXPECT_EQ(data.PackedSkin(), held);
}

TEST(SkinDataLoad, GarbageLeavesAnEmptySkin) {
    std::mt19937 random(7);
    std::vector<std::uint8_t> noise(4000);
    for (auto& b : noise)
        b = static_cast<std::uint8_t>(random());
    const std::vector<std::uint8_t> program = test::StoredSkin(kSmallSkin);
    std::vector<std::vector<std::uint8_t>> packedSkins = {
        noise,
        {0xFF, 0xFF, 0xFF, 0x7F},                                   // a huge stated size
        {program.begin() + 4, program.begin() + 4 + 20},            // truncated
        skinpack::EncodeLzh(test::Archive({{"left.bmp", {1, 2}}})), // no INI entry
    };
    // Stated size fits, but the archive's name list runs past the data.
    packedSkins.push_back(skinpack::EncodeLzh(std::vector<std::uint8_t>{0xFF, 0, 0, 0, 'a', '\r', '\n'}));
    for (std::size_t i = 0; i < packedSkins.size(); ++i) {
        TSkinData data;
        ASSERT_TRUE(data.ReadSkinStream(test::StoredSkin(kSmallSkin)));
        CountingForm form(data);
        const auto stored = skinpack::FrameSkinStream(packedSkins[i]);
        EXPECT_TRUE(data.ReadSkinStream(stored)) << i;
        EXPECT_TRUE(data.SkinEmpty()) << i;
        EXPECT_TRUE(data.Left().Bitmap.isNull()) << i;
        EXPECT_EQ(data.Palette().ButtonFace, kClBtnFace) << i;
        EXPECT_EQ(form.changes, 1) << i; // the forms drop the old skin
    }
}

TEST(SkinDataLoad, DesignModeHoldsTheSkinWithoutLoading) {
    TSkinData data;
    data.SetDesignMode(true);
    EXPECT_EQ(data.SkinStore(), "(none)");
    ASSERT_TRUE(data.ReadSkinStream(test::StoredSkin(kSmallSkin)));
    EXPECT_TRUE(data.SkinEmpty());
    EXPECT_EQ(data.SkinStore(), "(Good)");
    data.SetSkinStore("(none)");
    EXPECT_EQ(data.SkinStore(), "(Good)");
    data.SetSkinFile("/no/such/file.skn");
    EXPECT_TRUE(data.PackedSkin().empty());
}

TEST(SkinDataLoad, SkinFileLoadsAnExistingFileOnly) {
    const std::vector<std::uint8_t> stored = test::StoredSkin(kSmallSkin);
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    file.write(reinterpret_cast<const char*>(stored.data()) + 4, static_cast<qint64>(stored.size() - 4));
    file.close();

    TSkinData data;
    data.SetSkinFile("/no/such/file.skn");
    EXPECT_EQ(data.SkinFile(), "/no/such/file.skn");
    EXPECT_TRUE(data.SkinEmpty());
    EXPECT_TRUE(data.PackedSkin().empty());
    data.SetSkinFile(file.fileName());
    EXPECT_FALSE(data.SkinEmpty());
    EXPECT_EQ(data.Palette().ButtonFace, RgbColour(1, 2, 3));
}

TEST(SkinDataLoad, FormsMayLeaveWhileTheyAreTold) {
    TSkinData data;
    int firstChanges = 0;
    QMetaObject::Connection first;
    first = QObject::connect(&data, &TSkinData::SkinChanged, [&] {
        ++firstChanges;
        QObject::disconnect(first);
    });
    CountingForm second(data);
    data.RefreshSkinForms();
    data.RefreshSkinForms();
    EXPECT_EQ(firstChanges, 1);
    EXPECT_EQ(second.changes, 2);
}

} // namespace
} // namespace lirem::skin
