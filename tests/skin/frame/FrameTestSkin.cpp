// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrameTestSkin.h"

#include "tests/support/SkinImages.h"

#include <QImage>
#include <QPainter>

#include <string>
#include <vector>

namespace lirem::skin::test {

namespace {

std::vector<std::uint8_t> Bmp(const QImage& image) {
    return BmpFile(image.convertToFormat(QImage::Format_RGB32));
}

// frames side by side (or stacked), each w x h and of its own colour.
QImage Frames(int w, int h, std::initializer_list<QRgb> colours, bool stacked) {
    const int n = static_cast<int>(colours.size());
    QImage image(stacked ? w : w * n, stacked ? h * n : h, QImage::Format_RGB32);
    int i = 0;
    for (QRgb colour : colours) {
        const QRect cell = stacked ? QRect(0, i * h, w, h) : QRect(i * w, 0, w, h);
        QPainter(&image).fillRect(cell, QColor(colour));
        ++i;
    }
    return image;
}

// Magenta stair in the top corner of each frame of a side border: three
// pixels in row 0, two in row 1, one in row 2.
void StairCorners(QImage& image, int frameWidth, bool rightSide) {
    for (int f = 0; f * frameWidth < image.width(); ++f) {
        for (int row = 0; row < 3; ++row) {
            for (int i = 0; i < 3 - row; ++i) {
                const int x = rightSide ? (f + 1) * frameWidth - 1 - i : f * frameWidth + i;
                image.setPixel(x, row, qRgb(255, 0, 255));
            }
        }
    }
}

} // namespace

void LoadTestSkin(TSkinData& data, const TestSkinOptions& options) {
    QImage left = Frames(kLeft, 40, {kLeftColour[0], kLeftColour[1]}, false);
    StairCorners(left, kLeft, false);
    QImage right = Frames(kRight, 40, {kRightColour[0], kRightColour[1]}, false);
    StairCorners(right, kRight, true);
    const QImage top = Frames(60, kTitle, {kTopColour[0], kTopColour[1]}, true);
    const QImage bottom = Frames(30, kBottom, {kBottomColour[0], kBottomColour[1]}, true);
    const QImage three =
        Frames(kButtonSize, kButtonSize, {kButtonColour[0], kButtonColour[1], kButtonColour[2]}, false);
    const QImage four = Frames(kButtonSize, kButtonSize,
                               {kButtonColour[0], kButtonColour[1], kButtonColour[2], kButtonColour[3]}, false);
    const QImage menu = Frames(20, 20, {kMenuBarColour, kMenuBarColour}, true);

    std::string ini = "[Personality]\r\n"
                      "Left=left.bmp\r\nLeftTopHeight=20\r\nLeftBotHeight=10\r\nLeftFrame=2\r\nLeftStretch=0\r\n"
                      "Right=right.bmp\r\nRightTopHeight=20\r\nRightBotHeight=10\r\nRightFrame=2\r\nRightStretch=0\r\n"
                      "Top=top.bmp\r\nTopTopHeight=20\r\nTopBotHeight=20\r\nTopFrame=2\r\nTopStretch=0\r\n"
                      "Bottom=bottom.bmp\r\nBottomFrame=2\r\nBottomStretch=0\r\n"
                      "TextShift=" +
                      std::to_string(kTextShift) +
                      "\r\n"
                      "TextRightClip=" +
                      std::to_string(kTextRightClip) +
                      "\r\n"
                      "TextAlignment=" +
                      std::to_string(options.textAlignment) + "\r\n";
    if (options.withMenuBar)
        ini += "menuBar=menu.bmp\r\nTileLeftMenu=" + std::to_string(kMenuLeftWidth) + "\r\nTileRightMenu=3\r\n";
    ini += "[Colours]\r\nButtonFace=207 207 207\r\nMenu=207 207 207\r\nMenuText=0 0 0\r\nMenuBarText=0 0 0\r\n"
           "Hilight=64 112 176\r\nHilightText=255 255 255\r\nButtonHilight=238 238 238\r\n"
           "ButtonShadow=146 146 146\r\nButtonText=0 0 0\r\nTitleTextActive=255 255 255\r\n"
           "[Button0]\r\nButtonImage=min.bmp\r\nAction=2\r\nAlign=1\r\nXcoord=40\r\nYcoord=5\r\n"
           "[Button1]\r\nButtonImage=max.bmp\r\nAction=1\r\nAlign=1\r\nXcoord=28\r\nYcoord=5\r\nVisibility=4\r\n"
           "[Button2]\r\nButtonImage=close.bmp\r\nframe=4\r\nAction=0\r\nAlign=1\r\nXcoord=16\r\nYcoord=5\r\n"
           "[Button3]\r\nButtonImage=restore.bmp\r\nAction=1\r\nAlign=1\r\nXcoord=28\r\nYcoord=5\r\nVisibility=3\r\n"
           "[Button4]\r\nAction=11\r\nAlign=0\r\nXcoord=4\r\nYcoord=4\r\n";

    const std::vector<skinpack::ArchiveEntry> entries = {
        {"left.bmp", Bmp(left)}, {"right.bmp", Bmp(right)}, {"top.bmp", Bmp(top)},    {"bottom.bmp", Bmp(bottom)},
        {"min.bmp", Bmp(three)}, {"max.bmp", Bmp(three)},   {"close.bmp", Bmp(four)}, {"restore.bmp", Bmp(three)},
        {"menu.bmp", Bmp(menu)}, {"test.ini", Bytes(ini)},
    };
    LoadSkin(data, entries, ini);
}

std::unique_ptr<TSkinData> MakeTestSkin(const TestSkinOptions& options) {
    auto data = std::make_unique<TSkinData>();
    LoadTestSkin(*data, options);
    return data;
}

} // namespace lirem::skin::test
