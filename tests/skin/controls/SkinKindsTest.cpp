// SPDX-License-Identifier: GPL-3.0-or-later
// The kinds other than the push button, sampled from their rendered pixels.

#include "Harness.h"

#include "skin/controls/SkinScrollBar.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using namespace lirem::skin::test;
using lirem::skin::SkinControlClass;

namespace {

QColor At(QWidget& control, int x, int y) {
    return Harness::Shot(control).pixel(x, y);
}

// --- Check boxes and radio buttons -------------------------------------------

TEST(CheckBox, GlyphOf48By12ImageIsOneCellInsetByOnePixel) {
    Harness harness;
    ASSERT_EQ(harness.Data().Buttons().CheckButtonFrame, 4);
    auto* box = harness.Add(SkinControlClass::CheckBox, QRect(10, 10, 120, 20), new QCheckBox("Флажок"));
    harness.Show();
    struct Case {
        const char* name;
        Qt::CheckState state;
        bool enabled;
        int cell;
    };
    const Case cases[] = {{"unchecked", Qt::Unchecked, true, 1},
                          {"checked", Qt::Checked, true, 2},
                          {"greyed", Qt::PartiallyChecked, true, 4},
                          {"disabled", Qt::Checked, false, 3}};
    box->setTristate(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        box->setCheckState(c.state);
        box->setEnabled(c.enabled);
        const QImage shot = Harness::Shot(*box);
        const QColor cell = FrameColour(kCheckBase, c.cell);
        // 12 x 12 at (1, 4): its corners are the cell, the pixels around it are not.
        EXPECT_EQ(QColor(shot.pixel(1, 4)), cell);
        EXPECT_EQ(QColor(shot.pixel(12, 15)), cell);
        EXPECT_NE(QColor(shot.pixel(0, 10)), cell);
        EXPECT_NE(QColor(shot.pixel(13, 10)), cell);
        EXPECT_NE(QColor(shot.pixel(6, 3)), cell);
        EXPECT_NE(QColor(shot.pixel(6, 16)), cell);
    }
}

TEST(CheckBox, ClickShowsTheCheckedCell) {
    Harness harness;
    auto* box = harness.Add(SkinControlClass::CheckBox, QRect(10, 10, 120, 20), new QCheckBox("Флажок"));
    harness.Show();
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, 10));
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(At(*box, 6, 10), FrameColour(kCheckBase, 2));
}

TEST(CheckBox, CaptionOnTheLeftPutsTheGlyphAtTheRight) {
    Harness harness;
    auto* box = harness.Add(SkinControlClass::CheckBox, QRect(10, 10, 120, 20), new QCheckBox("Флажок"));
    box->setLayoutDirection(Qt::RightToLeft);
    harness.Show();
    EXPECT_EQ(At(*box, 120 - 1 - 12, 4), FrameColour(kCheckBase, 1));
    EXPECT_EQ(At(*box, 120 - 2, 15), FrameColour(kCheckBase, 1));
}

TEST(RadioButton, Cells) {
    Harness harness;
    auto* radio = harness.Add(SkinControlClass::RadioButton, QRect(10, 10, 120, 20), new QRadioButton("Выбор"));
    harness.Show();
    struct Case {
        const char* name;
        bool checked, enabled;
        int cell;
    };
    for (const Case& c : {Case{"off", false, true, 1}, Case{"on", true, true, 2}, Case{"disabled", true, false, 3}}) {
        SCOPED_TRACE(c.name);
        radio->setChecked(c.checked);
        radio->setEnabled(c.enabled);
        EXPECT_EQ(At(*radio, 6, 10), FrameColour(kRadioBase, c.cell));
    }
}

// --- Boxes ---------------------------------------------------------------------

TEST(Box, GroupBoxTakesButtonFaceAndButtonText) {
    Harness harness;
    auto* box = harness.Add(SkinControlClass::Box, QRect(10, 10, 200, 100), new QGroupBox("Мосты"));
    auto* inside = new QLabel("Путь", box);
    inside->move(10, 30);
    harness.Show();
    EXPECT_EQ(box->palette().color(QPalette::Window), kFace);
    EXPECT_EQ(box->palette().color(QPalette::WindowText), kButtonText);
    EXPECT_EQ(inside->palette().color(QPalette::WindowText), kButtonText) << "inherited by the controls inside";
    EXPECT_EQ(At(*box, 198, 2), kFace) << "background beside the caption";
}

// --- Status bar ------------------------------------------------------------------

TEST(StatusBar, WithEdgesEachPanelGetsItsBevelFrame) {
    Harness harness;
    auto* bar = harness.Add(SkinControlClass::StatusBar, QRect(0, 200, 300, 22), new QStatusBar);
    harness.Show();
    bar->showMessage(QStringLiteral("Сообщение"));
    const QImage shot = Harness::Shot(*bar);
    // A simple-text bar is one lowered panel: frame 1 over the whole bar.
    EXPECT_EQ(QColor(shot.pixel(0, 0)), FrameColour(kEdgesBase, 1));
    EXPECT_EQ(QColor(shot.pixel(299, 21)), FrameColour(kEdgesBase, 1));
    // Text in NormalColour (colour 0), 2 pixels in from the left.
    const QList<QRgb> ink = ColoursBut(shot, QRect(0, 0, 150, 22), FrameColour(kEdgesBase, 1).rgb());
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(ink.contains(kColour0.rgb()) || std::any_of(ink.begin(), ink.end(), [](QRgb c) {
                    return qRed(c) > qGreen(c) + 60; // antialiased red
                }));
    EXPECT_EQ(ColoursBut(shot, QRect(0, 0, 2, 22), FrameColour(kEdgesBase, 1).rgb()).size(), 0);
}

TEST(StatusBar, PanelsByBevelWithEdges) {
    Harness harness;
    auto* bar = harness.Add(SkinControlClass::StatusBar, QRect(0, 200, 300, 22), new QStatusBar);
    auto* lowered = new QLabel("А");
    auto* raised = new QLabel("Б");
    raised->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* flat = new QLabel("В");
    flat->setFrameStyle(QFrame::Panel | QFrame::Plain);
    bar->addWidget(lowered, 1);
    bar->addWidget(raised, 1);
    bar->addWidget(flat, 1);
    harness.Show();
    const QImage shot = Harness::Shot(*bar);
    struct Case {
        const char* name;
        QLabel* panel;
        int frame;
    };
    for (const Case& c : {Case{"lowered", lowered, 1}, Case{"raised", raised, 2}, Case{"none", flat, 3}}) {
        SCOPED_TRACE(c.name);
        const QRect r = c.panel->geometry().adjusted(-1, -1, 1, 1);
        EXPECT_EQ(QColor(shot.pixel(r.topLeft())), FrameColour(kEdgesBase, c.frame));
    }
}

TEST(StatusBar, WithoutEdgesPlainThreeDFrameOnButtonFace) {
    Harness harness(MakeTestSkin({.statusBarEdges = false}));
    auto* bar = harness.Add(SkinControlClass::StatusBar, QRect(0, 200, 300, 22), new QStatusBar);
    harness.Show();
    bar->showMessage(QStringLiteral("Сообщение"));
    const QImage shot = Harness::Shot(*bar);
    // Lowered: ButtonShadow top-left, ButtonHilight bottom-right, inside ButtonFace.
    EXPECT_EQ(QColor(shot.pixel(0, 0)), kShadow);
    EXPECT_EQ(QColor(shot.pixel(0, 20)), kShadow);
    EXPECT_EQ(QColor(shot.pixel(150, 0)), kShadow);
    EXPECT_EQ(QColor(shot.pixel(150, 21)), kHilight);
    EXPECT_EQ(QColor(shot.pixel(299, 10)), kHilight);
    EXPECT_EQ(QColor(shot.pixel(290, 10)), kFace);
}

TEST(StatusBar, APanelFillingTheBarKeepsAllFourBevelSides) {
    Harness harness(MakeTestSkin({.statusBarEdges = false}));
    auto* bar = harness.Add(SkinControlClass::StatusBar, QRect(0, 200, 300, 22), new QStatusBar);
    bar->setSizeGripEnabled(false);
    auto* panel = new QLabel(QStringLiteral("Лирем"));
    panel->setAlignment(Qt::AlignCenter);
    bar->addWidget(panel, 1);
    harness.Show();
    const QImage shot = Harness::Shot(*bar);
    const auto count = [&](const QColor& colour, const QRect& area) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += QColor(shot.pixel(x, y)) == colour ? 1 : 0;
        return n;
    };
    // Lowered: shadow on the left and top, highlight on the right and bottom.
    const int middle = shot.height() / 2;
    EXPECT_GT(count(kShadow, QRect(0, middle, 20, 1)), 0) << "left";
    EXPECT_GT(count(kHilight, QRect(shot.width() - 20, middle, 20, 1)), 0) << "right";
    EXPECT_GT(count(kShadow, QRect(150, 0, 1, middle)), 0) << "top";
    EXPECT_GT(count(kHilight, QRect(150, middle, 1, shot.height() - middle)), 0) << "bottom";
}

TEST(StatusBar, WithoutEdgesRaisedPanelIsTheReverse) {
    Harness harness(MakeTestSkin({.statusBarEdges = false}));
    auto* label = harness.Add(SkinControlClass::StatusBar, QRect(0, 200, 300, 22), new QLabel("Текст"));
    label->setFrameStyle(QFrame::Panel | QFrame::Raised);
    label->setAlignment(Qt::AlignCenter);
    harness.Show();
    const QImage shot = Harness::Shot(*label);
    EXPECT_EQ(QColor(shot.pixel(0, 0)), kHilight);
    EXPECT_EQ(QColor(shot.pixel(299, 21)), kShadow);
    EXPECT_EQ(QColor(shot.pixel(10, 10)), kFace);
    // Centred text: ink around the middle, none near the ends.
    EXPECT_FALSE(ColoursBut(shot, QRect(120, 2, 60, 18), kFace.rgb()).isEmpty());
    EXPECT_TRUE(ColoursBut(shot, QRect(2, 2, 60, 18), kFace.rgb()).isEmpty());
}

// --- Tabs ------------------------------------------------------------------------

struct TabFixture : ::testing::Test {
    Harness harness;
    QTabWidget* tabs = nullptr;
    void SetUp() override {
        tabs = harness.Add(SkinControlClass::Tab, QRect(10, 10, 360, 240), new QTabWidget);
        for (const char* caption : {"Ядро", "Синтез", "Спектр"})
            tabs->addTab(new QWidget, QString::fromUtf8(caption));
        tabs->setCurrentIndex(1);
        harness.Show();
    }
    QRect Header(int i) const { return tabs->tabBar()->tabRect(i).translated(tabs->tabBar()->pos()); }
};

TEST_F(TabFixture, HeaderFramesForTheCurrentAndOtherTabs) {
    for (int current : {1, 0, 2}) {
        SCOPED_TRACE(current);
        tabs->setCurrentIndex(current);
        const QImage shot = Harness::Shot(*tabs);
        for (int i = 0; i < 3; ++i) {
            const QRect header = Header(i);
            const QColor expected = FrameColour(kTabsBase, i == current ? 2 : 1);
            EXPECT_EQ(QColor(shot.pixel(header.left() + 3, header.top() + 1)), expected) << "tab " << i;
            EXPECT_EQ(QColor(shot.pixel(header.right() - 3, header.bottom() - 1)), expected) << "tab " << i;
        }
    }
}

TEST_F(TabFixture, PageBorderBandAndPageFace) {
    const QImage shot = Harness::Shot(*tabs);
    const int headerBottom = tabs->tabBar()->geometry().bottom() + 1;
    // Bottom margin 2: the page starts 2 above the header bottom.
    const int top = headerBottom - 2;
    EXPECT_EQ(QColor(shot.pixel(0, top + 50)), kBorderColour);
    EXPECT_EQ(QColor(shot.pixel(2, top + 50)), kBorderColour);
    EXPECT_NE(QColor(shot.pixel(3, top + 50)), kBorderColour);
    EXPECT_EQ(QColor(shot.pixel(359, 239)), kBorderColour);
    EXPECT_EQ(QColor(shot.pixel(300, top)), kBorderColour) << "top edge beside the headers";
    EXPECT_EQ(QColor(shot.pixel(300, top - 1)), kFace) << "band";
    EXPECT_EQ(QColor(shot.pixel(350, 2)), kFace) << "band";
    EXPECT_EQ(QColor(shot.pixel(180, 150)), kFace) << "page";
}

TEST_F(TabFixture, CaptionsInButtonText) {
    QFont font = tabs->font();
    font.setStyleStrategy(QFont::NoAntialias);
    tabs->setFont(font);
    const QImage shot = Harness::Shot(*tabs);
    const QRect header = Header(0);
    EXPECT_EQ(ColoursBut(shot, header.adjusted(3, 3, -3, -3), FrameColour(kTabsBase, 1).rgb()),
              QList<QRgb>{kButtonText.rgb()});
}

// --- Progress --------------------------------------------------------------------

TEST(Progress, WholeBarFrameOneFilledPartFrameTwo) {
    Harness harness;
    auto* bar = harness.Add(SkinControlClass::Progress, QRect(10, 10, 200, 16), new QProgressBar);
    bar->setTextVisible(false);
    struct Case {
        const char* name;
        int min, max, value;
        int filledTo; // first pixel of frame 1
    };
    const Case cases[] = {{"half", 0, 100, 50, 100}, {"quarter", 0, 100, 25, 50}, {"maximum 0", 0, 0, 0, 0}};
    harness.Show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bar->setRange(c.min, c.max);
        bar->setValue(c.value);
        const QImage shot = Harness::Shot(*bar);
        if (c.filledTo > 0) {
            EXPECT_EQ(QColor(shot.pixel(c.filledTo - 1, 8)), FrameColour(kProgressBase, 2));
        }
        EXPECT_EQ(QColor(shot.pixel(c.filledTo, 8)), FrameColour(kProgressBase, 1));
        EXPECT_EQ(QColor(shot.pixel(199, 8)), FrameColour(kProgressBase, 1));
    }
}

// --- Combo box -------------------------------------------------------------------

TEST(ComBox, ButtonCellsAndSunkenEdges) {
    Harness harness;
    auto* focus = harness.Add(SkinControlClass::Button, QRect(10, 60, 80, 24), new QPushButton("Фокус"));
    auto* combo = harness.Add(SkinControlClass::ComBox, QRect(10, 10, 140, 26), new QComboBox);
    combo->addItems({QStringLiteral("Январь"), QStringLiteral("Февраль")});
    harness.Show();
    focus->setFocus();
    const int x = 140 - 6;
    struct Case {
        const char* name;
        bool enabled, hot;
        int cell;
    };
    for (const Case& c :
         {Case{"enabled", true, false, 1}, Case{"hot", true, true, 4}, Case{"disabled", false, false, 3}}) {
        SCOPED_TRACE(c.name);
        combo->setEnabled(c.enabled);
        if (c.hot) {
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
            QApplication::sendEvent(combo, &enter);
        }
        const QImage shot = Harness::Shot(*combo);
        EXPECT_EQ(QColor(shot.pixel(x, 13)), FrameColour(kComboBase, c.cell));
        EXPECT_EQ(QColor(shot.pixel(0, 13)), FrameColour(kSunkBase, 1)) << "left strip";
        EXPECT_EQ(QColor(shot.pixel(60, 0)), FrameColour(kSunkBase, 1)) << "top strip";
        EXPECT_EQ(QColor(shot.pixel(60, 25)), FrameColour(kSunkBase, 1)) << "bottom strip";
    }
}

TEST(ComBox, FocusShowsCellFour) {
    Harness harness;
    auto* combo = harness.Add(SkinControlClass::ComBox, QRect(10, 10, 140, 26), new QComboBox);
    harness.Show();
    combo->setFocus();
    EXPECT_EQ(At(*combo, 134, 13), FrameColour(kComboBase, 4));
}

// --- Scroll bars -----------------------------------------------------------------

struct ScrollFixture : ::testing::Test {
    Harness harness;
    QPlainTextEdit* memo = nullptr;
    void SetUp() override {
        memo = harness.Add(SkinControlClass::ScrollBar, QRect(10, 10, 200, 150), new QPlainTextEdit);
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        QString text;
        for (int i = 0; i < 100; ++i)
            text += QStringLiteral("Строка номер %1 с длинным хвостом, чтобы было что прокручивать вбок\n").arg(i);
        memo->setPlainText(text);
        harness.Show();
    }
    lirem::skin::TSkinScrollBar* Skin() const { return qobject_cast<lirem::skin::TSkinScrollBar*>(harness.Skinned()); }
    // A pixel of a bar, in the memo's coordinates.
    QColor BarPixel(QScrollBar* bar, QPoint at) const {
        return At(*memo, bar->mapTo(memo, at).x(), bar->mapTo(memo, at).y());
    }
};

TEST_F(ScrollFixture, ArrowsTrackThumbAndCorner) {
    QScrollBar* v = memo->verticalScrollBar();
    QScrollBar* h = memo->horizontalScrollBar();
    const int s = v->width();
    EXPECT_EQ(BarPixel(v, {s / 2, 1}), FrameColour(kScrollBase, 9)) << "up arrow";
    EXPECT_EQ(BarPixel(v, {s / 2, v->height() - 2}), FrameColour(kScrollBase, 13)) << "down arrow";
    EXPECT_EQ(BarPixel(h, {1, h->height() / 2}), FrameColour(kScrollBase, 1)) << "left arrow";
    EXPECT_EQ(BarPixel(h, {h->width() - 2, h->height() / 2}), FrameColour(kScrollBase, 5)) << "right arrow";
    // At position 0 the thumb starts right after the up arrow; the track follows it.
    EXPECT_EQ(BarPixel(v, {s / 2, s + 1}), FrameColour(kVertThumbBase, 1)) << "thumb";
    EXPECT_EQ(BarPixel(v, {s / 2, v->height() - s - 2}), FrameColour(kVertTrackBase, 1)) << "track";
    const QPoint corner = v->mapTo(memo, QPoint(0, v->height())) + QPoint(1, 1);
    EXPECT_EQ(At(*memo, corner.x(), corner.y()), kFace) << "corner";
}

TEST_F(ScrollFixture, PressedPartsFromTheScrollActions) {
    QScrollBar* v = memo->verticalScrollBar();
    QScrollBar* h = memo->horizontalScrollBar();
    const int s = v->width();
    struct Case {
        const char* name;
        QScrollBar* bar;
        QAbstractSlider::SliderAction action;
        lirem::skin::ScrollPart part;
    };
    const Case cases[] = {
        {"line up", v, QAbstractSlider::SliderSingleStepSub, lirem::skin::ScrollPart::UpArrow},
        {"to the bottom: unchanged", v, QAbstractSlider::SliderToMaximum, lirem::skin::ScrollPart::UpArrow},
        {"line down", v, QAbstractSlider::SliderSingleStepAdd, lirem::skin::ScrollPart::DownArrow},
        {"page down: none", v, QAbstractSlider::SliderPageStepAdd, lirem::skin::ScrollPart::None},
        {"line left", h, QAbstractSlider::SliderSingleStepSub, lirem::skin::ScrollPart::LeftArrow},
        {"line right", h, QAbstractSlider::SliderSingleStepAdd, lirem::skin::ScrollPart::RightArrow},
        {"thumb track", h, QAbstractSlider::SliderMove, lirem::skin::ScrollPart::HorzThumb},
        {"vertical thumb", v, QAbstractSlider::SliderMove, lirem::skin::ScrollPart::VertThumb},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.bar->triggerAction(c.action);
        EXPECT_EQ(Skin()->PressedPart(), c.part);
    }
    v->triggerAction(QAbstractSlider::SliderToMinimum);
    v->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(BarPixel(v, {s / 2, 1}), FrameColour(kScrollBase, 10)) << "pressed up arrow";
    QTest::mouseRelease(v, Qt::LeftButton, {}, QPoint(s / 2, 1));
    EXPECT_EQ(Skin()->PressedPart(), lirem::skin::ScrollPart::None) << "end of scrolling";
    EXPECT_EQ(BarPixel(v, {s / 2, 1}), FrameColour(kScrollBase, 9));
}

TEST(ScrollBar, Tag55ControlWithoutBarsGetsTheObjectButDrawsNothing) {
    Harness harness;
    auto* plain = harness.Add(SkinControlClass::ScrollBar, QRect(10, 10, 100, 60), new QLabel("Тег 55"));
    plain->setAutoFillBackground(true);
    harness.Show();
    ASSERT_NE(qobject_cast<lirem::skin::TSkinScrollBar*>(harness.Skinned()), nullptr);
    const QImage skinned = Harness::Shot(*plain);
    delete harness.Skinned();
    EXPECT_EQ(Harness::Shot(*plain), skinned);
}

TEST(ScrollBar, MemoWithoutBarsDrawsNothingAndWithBarsDrawsThem) {
    Harness harness;
    auto* memo = harness.Add(SkinControlClass::ScrollBar, QRect(10, 10, 200, 150), new QPlainTextEdit("коротко"));
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    harness.Show();
    auto* skinned = qobject_cast<lirem::skin::TSkinScrollBar*>(harness.Skinned());
    EXPECT_FALSE(skinned->HasBar(Qt::Vertical));
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QApplication::processEvents();
    EXPECT_TRUE(skinned->HasBar(Qt::Vertical));
    QScrollBar* v = memo->verticalScrollBar();
    const QPoint up = v->mapTo(memo, QPoint(v->width() / 2, 1));
    EXPECT_EQ(At(*memo, up.x(), up.y()), FrameColour(kScrollBase, 9));
}

TEST(ScrollBar, ProgramSkinKeepsTheOwnLook) {
    Harness harness(MakeProgramSkin());
    auto* memo = harness.Add(SkinControlClass::ScrollBar, QRect(10, 10, 200, 150), new QPlainTextEdit("текст"));
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* plain = new QPlainTextEdit("текст", &harness.Window());
    plain->setGeometry(10, 170, 200, 150);
    plain->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    harness.Show();
    QScrollBar* v = memo->verticalScrollBar();
    EXPECT_EQ(v->grab().toImage(), plain->verticalScrollBar()->grab().toImage());
}

// --- Bitmap button ---------------------------------------------------------------

TEST(BitButton, GlyphBesideTheCaptionWithItsTopLeftColourSeeThrough) {
    Harness harness;
    QImage glyph(16, 16, QImage::Format_RGB32);
    glyph.fill(QColor(0, 128, 0)); // see-through colour
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x)
            glyph.setPixel(x, y, qRgb(250, 0, 0)); // the picture
    auto* button = new QPushButton(QIcon(QPixmap::fromImage(glyph)), QString());
    button->setIconSize(QSize(16, 16));
    harness.Add(SkinControlClass::BitButton, QRect(10, 10, 100, 30), button);
    harness.Show();
    button->clearFocus();
    const QImage shot = Harness::Shot(*button);
    // No caption: the glyph is centred, (100 - 16 + 1) / 2 = 42, (30 - 16 + 1) / 2 = 7.
    EXPECT_EQ(QColor(shot.pixel(42 + 6, 7 + 6)), QColor(250, 0, 0));
    EXPECT_EQ(QColor(shot.pixel(42 + 1, 7 + 1)), FrameColour(kButtonBase, 1)) << "see-through glyph corner";
}

// --- The program's skin --------------------------------------------------------

TEST(ProgramSkin, TabsFromTabsBmpAndTabborderBmp) {
    Harness harness(MakeProgramSkin());
    const lirem::skin::TDataSkinBorder* element = harness.Data().Tabs();
    ASSERT_NE(element, nullptr);
    ASSERT_FALSE(element->BorderBitmap.isNull());
    auto* tabs = harness.Add(SkinControlClass::Tab, QRect(10, 10, 360, 240), new QTabWidget);
    for (const char* caption : {"Ядро", "Синтез"})
        tabs->addTab(new QWidget, QString::fromUtf8(caption));
    harness.Show();
    const QImage shot = Harness::Shot(*tabs);
    const int frameWidth = element->Bitmap.width() / 5;
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const QRect header = tabs->tabBar()->tabRect(i).translated(tabs->tabBar()->pos());
        // Inside the 7-pixel corner: the frame's own pixel (see-through ones show the band).
        const QRgb source = element->Bitmap.pixel((i == 0 ? 1 : 0) * frameWidth + 5, 4);
        ASSERT_EQ(qAlpha(source), 255);
        EXPECT_EQ(QColor(shot.pixel(header.left() + 5, header.top() + 4)), QColor(source));
    }
    const QRgb edge = element->BorderBitmap.pixel(1, element->BorderBitmap.height() / 2);
    EXPECT_EQ(QColor(shot.pixel(1, 150)), QColor(edge)) << "left page border";
}

TEST(ProgramSkin, StatusBarHasThePlainFrameAndGroupBoxesTheFace) {
    Harness harness(MakeProgramSkin());
    auto* bar = harness.Add(SkinControlClass::StatusBar, QRect(0, 280, 400, 21), new QStatusBar);
    auto* box = harness.Add(SkinControlClass::Box, QRect(10, 10, 200, 100), new QGroupBox("Исходные Данные"));
    harness.Show();
    bar->showMessage(QStringLiteral("Лирем 3.0"));
    const QImage shot = Harness::Shot(*bar);
    EXPECT_EQ(QColor(shot.pixel(0, 0)), QColor(146, 146, 146));
    EXPECT_EQ(QColor(shot.pixel(399, 20)), QColor(238, 238, 238));
    EXPECT_EQ(QColor(shot.pixel(398, 10)), QColor(207, 207, 207));
    EXPECT_EQ(box->palette().color(QPalette::Window), QColor(207, 207, 207));
    EXPECT_EQ(box->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

TEST(ProgramSkin, ComboBoxesKeepTheirOwnLook) {
    Harness harness(MakeProgramSkin());
    auto* combo = harness.Add(SkinControlClass::ComBox, QRect(10, 10, 120, 24), new QComboBox);
    auto* plain = new QComboBox(&harness.Window());
    plain->setGeometry(10, 50, 120, 24);
    harness.Show();
    combo->clearFocus();
    plain->clearFocus();
    EXPECT_EQ(Harness::Shot(*combo), Harness::Shot(*plain));
}

} // namespace
