// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSkin.h"

#include "tests/support/SkinImages.h"

#include <QImage>
#include <QPainter>

#include <stdexcept>
#include <string>
#include <vector>

namespace lirem::skin::test {

namespace {

constexpr QRgb kMagentaKey = 0xFFFF00FF;

std::vector<std::uint8_t> Bmp(const QImage& image) {
    return skin::test::BmpFile(image.convertToFormat(QImage::Format_RGB888));
}

// count frames of w x h side by side, frame k flat FrameColour(base, k).
QImage Strip(int base, int count, int w, int h) {
    QImage image(w * count, h, QImage::Format_RGB888);
    QPainter p(&image);
    for (int k = 1; k <= count; ++k)
        p.fillRect(QRect((k - 1) * w, 0, w, h), FrameColour(base, k));
    return image;
}

} // namespace

QColor FrameColour(int base, int k) {
    return QColor(base + k, 255 - base - k, (base * 7 + k * 13) % 200);
}

std::unique_ptr<skin::TSkinData> MakeTestSkin(const TestSkinOptions& options) {
    std::vector<skinpack::ArchiveEntry> entries;
    auto add = [&](const std::string& name, const QImage& image) { entries.push_back({name, Bmp(image)}); };

    QImage button = Strip(kButtonBase, 5, 20, 20);
    for (int k = 0; k < 5; ++k)
        button.setPixel(k * 20, 0, kMagentaKey);
    add("button.bmp", button);
    add("check.bmp", Strip(kCheckBase, 4, 12, 12));
    add("radio.bmp", Strip(kRadioBase, 4, 12, 12));
    add("tabs.bmp", Strip(kTabsBase, 5, 12, 12));
    QImage border(9, 9, QImage::Format_RGB888);
    border.fill(kBorderColour);
    add("border.bmp", border);
    add("edges.bmp", Strip(kEdgesBase, 3, 6, 6));
    add("combo.bmp", Strip(kComboBase, 4, 8, 8));
    add("sunk.bmp", Strip(kSunkBase, 4, 8, 8));
    add("arrows.bmp", Strip(kScrollBase, 23, 8, 8));
    add("hz.bmp", Strip(kHorzTrackBase, 4, 8, 8));
    add("vt.bmp", Strip(kVertTrackBase, 4, 8, 8));
    add("hb.bmp", Strip(kHorzThumbBase, 3, 8, 8));
    add("vb.bmp", Strip(kVertThumbBase, 3, 8, 8));
    add("progress.bmp", Strip(kProgressBase, 2, 10, 6));

    std::string ini = R"([Buttons]
Bitmap=button.bmp
CheckButton=check.bmp
RadioButton=radio.bmp
LeftWidth=3
TopHeight=3
RightWidth=3
BottomHeight=3
Trans=1
)";
    if (options.buttonColours)
        ini += "NormalColour=0\nMouseOverColour=1\nPressedColour=0\n";
    ini += R"(
[Colours]
ButtonFace=207 207 207
ButtonText=1 2 3
ButtonShadow=146 146 146
ButtonHilight=238 238 238
Scrollbar=230 231 232

[Colour0]
color=200 10 20
[Colour1]
color=10 20 200

[Tabs]
Image=tabs.bmp
Border=border.bmp
LeftWidth=2
TopHeight=2
RightWidth=2
BottomHeight=2
Trans=1

[ComboButton]
Image=combo.bmp
[SunkEdge]
Image=sunk.bmp
LeftWidth=2
TopHeight=2
RightWidth=2
BottomHeight=2
[Scrollbar]
Image=arrows.bmp
[HorzScroll]
Image=hz.bmp
[VertScroll]
Image=vt.bmp
[HorzScrollThumb]
Image=hb.bmp
[VertScrollThumb]
Image=vb.bmp
[Progress]
Bitmap=progress.bmp
LeftWidth=2
RightWidth=2
)";
    if (options.statusBarEdges)
        ini += "[StatusBarEdges]\nImage=edges.bmp\nLeftWidth=1\nTopHeight=1\nRightWidth=1\nBottomHeight="
               "1\nNormalColour=0\n";
    entries.push_back({"test.ini", std::vector<std::uint8_t>(ini.begin(), ini.end())});

    auto data = std::make_unique<skin::TSkinData>();
    skin::test::LoadSkin(*data, entries, ini);
    return data;
}

std::unique_ptr<skin::TSkinData> MakeProgramSkin() {
    return skin::test::LoadProgramSkin();
}

} // namespace lirem::skin::test
